// Sprites: the texture is drawn into a surface of the mask's size, then the mask decides
// pixel by pixel what of it is seen.
#include "sprite_drawing.h"

#include <numbers>

namespace {

constexpr uint32_t WINDOW_RGB = 0x010101;

}  // namespace

void draw_sprite(cairo_t* cr, const SpriteView& view) {
    if (view.texture == nullptr || view.mask == nullptr) return;
    const Bitmap& mask = *view.mask;
    cairo_surface_t* layer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, mask.width, mask.height);
    cairo_t* layer_cr = cairo_create(layer);
    // Face coordinates, moved so that the mask's corner is the layer's origin.
    cairo_translate(layer_cr, view.centre.x - view.position.x, view.centre.y - view.position.y);
    // Positive degrees turn counter-clockwise on the screen, whose y axis points down.
    cairo_rotate(layer_cr, -view.rotation_deg * std::numbers::pi / 180.0);
    cairo_scale(layer_cr, view.texture_scale_x, view.texture_scale_y);
    cairo_translate(layer_cr, view.offset_x, view.offset_y);
    int texture_width = cairo_image_surface_get_width(view.texture);
    int texture_height = cairo_image_surface_get_height(view.texture);
    cairo_set_source_surface(layer_cr, view.texture, -texture_width / 2.0, -texture_height / 2.0);
    cairo_pattern_set_filter(cairo_get_source(layer_cr), CAIRO_FILTER_BILINEAR);
    cairo_paint(layer_cr);
    cairo_destroy(layer_cr);

    cairo_surface_flush(layer);
    unsigned char* data = cairo_image_surface_get_data(layer);
    int stride = cairo_image_surface_get_stride(layer);
    for (int y = 0; y < mask.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < mask.width; ++x) {
            uint32_t rgb = mask.rgb[size_t(y) * mask.width + x] & 0xFFFFFFu;
            if (rgb == WINDOW_RGB) continue;
            row[x] = rgb == 0 ? 0u : (0xFF000000u | rgb);
        }
    }
    cairo_surface_mark_dirty(layer);

    cairo_save(cr);
    cairo_set_source_surface(cr, layer, view.position.x, view.position.y);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(layer);
}
