// The host's drawing of a gauge's elements, each kind as its record asks.
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

void paint_at(cairo_t* cr, cairo_surface_t* image, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    paint_bitmap(cr, image);
    cairo_restore(cr);
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
        if (record.image_flags & IMAGE_HIDDEN) continue;
        bool transparent = record.image_flags & IMAGE_USE_TRANSPARENCY;
        switch (record.element_type) {
            case ELEMENT_TYPE_STRING:
                draw_string(cr, string_view_of(*reinterpret_cast<const ELEMENT_STRING*>(state.record)));
                break;
            case ELEMENT_TYPE_SPRITE: draw_sprite(cr, sprite_view(state)); break;
            case ELEMENT_TYPE_ICON:
                if (state.picture >= 0 && size_t(state.picture) < state.pictures.size() &&
                    state.pictures[state.picture] != nullptr)
                    paint_at(cr, surface_for(*state.pictures[state.picture], transparent), record.position.x,
                             record.position.y);
                break;
            case ELEMENT_TYPE_SLIDER:
                if (state.bitmap != nullptr)
                    paint_at(cr, surface_for(*state.bitmap, transparent), record.position.x + state.offset_x,
                             record.position.y + state.offset_y);
                break;
            default: {
                if (state.bitmap == nullptr) break;
                cairo_surface_t* image = surface_for(*state.bitmap, transparent);
                cairo_save(cr);
                cairo_translate(cr, record.position.x, record.position.y);
                if (record.element_type == ELEMENT_TYPE_NEEDLE) {
                    // The bitmap points along +x from ofs; the angle turns it clockwise on the screen.
                    cairo_rotate(cr, state.angle * std::numbers::pi / 180.0);
                    cairo_translate(cr, -record.ofs.x, -record.ofs.y);
                }
                paint_bitmap(cr, image);
                cairo_restore(cr);
                break;
            }
        }
    }
}

SpriteView GaugeRenderer::sprite_view(const ElementState& state) {
    const auto& sprite = *reinterpret_cast<const ELEMENT_SPRITE*>(state.record);
    SpriteView view;
    if (state.bitmap != nullptr)
        view.texture = surface_for(*state.bitmap, sprite.header.image_flags & IMAGE_USE_TRANSPARENCY);
    view.mask = state.mask;
    view.position = sprite.header.position;
    view.centre = sprite.header.ofs;
    view.texture_scale_x = sprite.texture_scale_x;
    view.texture_scale_y = sprite.texture_scale_y;
    view.offset_x = state.offset_x;
    view.offset_y = state.offset_y;
    view.rotation_deg = state.rotation;
    return view;
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
