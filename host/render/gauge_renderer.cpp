// The host's drawing of static images and needles.
#include "gauge_renderer.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

void paint_bitmap(cairo_t* cr, cairo_surface_t* image) {
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr);
}

}  // namespace

GaugeRenderer::~GaugeRenderer() {
    for (auto& [key, surface] : surfaces_) cairo_surface_destroy(surface);
}

cairo_surface_t* GaugeRenderer::surface_for(const Bitmap& bitmap, bool black_is_transparent) {
    auto key = std::make_pair(&bitmap, black_is_transparent);
    auto found = surfaces_.find(key);
    if (found != surfaces_.end()) return found->second;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < bitmap.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < bitmap.width; ++x) {
            uint32_t rgb = bitmap.rgb[size_t(y) * bitmap.width + x] & 0xFFFFFFu;
            row[x] = (black_is_transparent && rgb == 0) ? 0u : (0xFF000000u | rgb);
        }
    }
    cairo_surface_mark_dirty(surface);
    surfaces_[key] = surface;
    return surface;
}

void GaugeRenderer::draw(cairo_t* cr, const GaugeInstance& gauge) {
    for (const ElementState& state : gauge.chain().elements()) {
        const ELEMENT_HEADER& record = *state.record;
        if ((record.image_flags & IMAGE_HIDDEN) || state.bitmap == nullptr) continue;
        cairo_surface_t* image = surface_for(*state.bitmap, record.image_flags & IMAGE_USE_TRANSPARENCY);
        cairo_save(cr);
        cairo_translate(cr, record.position.x, record.position.y);
        if (record.element_type == ELEMENT_TYPE_NEEDLE) {
            // The bitmap points along +x from ofs; the angle turns it clockwise on the screen.
            cairo_rotate(cr, state.angle * std::numbers::pi / 180.0);
            cairo_translate(cr, -record.ofs.x, -record.ofs.y);
        }
        paint_bitmap(cr, image);
        cairo_restore(cr);
    }
}

cairo_surface_t* GaugeRenderer::render(const GaugeInstance& gauge, double scale) {
    PIXPOINT face = gauge.face_size();
    int width = std::max(1, int(std::lround(face.x * scale)));
    int height = std::max(1, int(std::lround(face.y * scale)));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    draw(cr, gauge);
    cairo_destroy(cr);
    return surface;
}

void write_png(cairo_surface_t* surface, const std::string& path) {
    cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(path + ": cannot write PNG (" + cairo_status_to_string(status) + ")");
}
