// Drawing a panel window gauge by gauge, each face stretched over its box.
#include "panel_renderer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double PANEL_GROUND_GREY = 0.17;  // a matt dark instrument panel

}  // namespace

cairo_surface_t* render_panel(GaugeRenderer& renderer, const PanelLayout& layout, double scale) {
    const int width = std::max(1, int(std::lround(layout.width * scale)));
    const int height = std::max(1, int(std::lround(layout.height * scale)));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, PANEL_GROUND_GREY, PANEL_GROUND_GREY, PANEL_GROUND_GREY);
    cairo_paint(cr);
    cairo_scale(cr, scale, scale);
    for (const PlacedGauge& placed : layout.gauges) {
        const PIXPOINT face = placed.gauge->face_size();
        if (face.x <= 0 || face.y <= 0) continue;
        cairo_save(cr);
        cairo_rectangle(cr, placed.box.x, placed.box.y, placed.box.width, placed.box.height);
        cairo_clip(cr);  // a needle swinging past its face stays on its own gauge
        cairo_translate(cr, placed.box.x, placed.box.y);
        cairo_scale(cr, double(placed.box.width) / face.x, double(placed.box.height) / face.y);
        renderer.draw(cr, *placed.gauge);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    return surface;
}
