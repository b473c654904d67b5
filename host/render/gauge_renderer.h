// Drawing a gauge's element chain with Cairo, from the states its last update left.
#pragma once

#include <cairo.h>

#include <map>
#include <string>
#include <utility>

#include "host/core/bitmap.h"
#include "host/core/gauge_instance.h"
#include "sprite_drawing.h"
#include "string_drawing.h"

class GaugeRenderer {
public:
    GaugeRenderer() = default;
    ~GaugeRenderer();
    GaugeRenderer(const GaugeRenderer&) = delete;
    GaugeRenderer& operator=(const GaugeRenderer&) = delete;

    // Draws the gauge in face pixels at the context's current origin and scale.
    void draw(cairo_t* cr, const GaugeInstance& gauge);
    // A new image of the gauge at the given scale of its face; the caller destroys it.
    cairo_surface_t* render(const GaugeInstance& gauge, double scale = 1.0);
    // The bitmap as a Cairo image, pure black made transparent when asked; owned here.
    cairo_surface_t* surface_for(const Bitmap& bitmap, bool black_is_transparent);

private:
    SpriteView sprite_view(const ElementState& state);

    std::map<std::pair<const Bitmap*, bool>, cairo_surface_t*> surfaces_;
};

// Writes the surface as PNG; throws std::runtime_error naming the path on failure.
void write_png(cairo_surface_t* surface, const std::string& path);
