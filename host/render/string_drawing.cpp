// Text of string elements through Cairo's font faces, chosen by font_faces.
#include "string_drawing.h"

#include <cstring>

#include "font_faces.h"

namespace {

void set_color(cairo_t* cr, uint32_t colorref) {
    cairo_set_source_rgb(cr, (colorref & 0xFF) / 255.0, ((colorref >> 8) & 0xFF) / 255.0,
                         ((colorref >> 16) & 0xFF) / 255.0);
}

// Gauges write single-byte Windows text; Cairo takes UTF-8 and refuses anything else.
std::string latin1_to_utf8(const char* text, size_t length) {
    std::string utf8;
    for (size_t i = 0; i < length; ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            utf8 += char(byte);
        } else {
            utf8 += char(0xC0 | (byte >> 6));
            utf8 += char(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

}  // namespace

StringView string_view_of(const ELEMENT_STRING& string) {
    StringView view;
    view.position = string.header.position;
    view.box_width = int(string.box_width);
    view.box_height = int(string.box_height);
    if (string.string != nullptr) view.text = latin1_to_utf8(string.string, strnlen(string.string, string.max_string_length));
    view.fg_color = string.fg_color;
    view.bg_color = string.bg_color;
    view.fill_background = !((string.header.image_flags & IMAGE_USE_TRANSPARENCY) && (string.bg_color & 0xFFFFFF) == 0);
    view.font_name.assign(string.font_name, strnlen(string.font_name, sizeof string.font_name));
    view.font_weight = string.font_weight;
    view.draw_text_flags = string.draw_text_flags;
    return view;
}

void draw_string(cairo_t* cr, const StringView& view) {
    if (view.box_width <= 0 || view.box_height <= 0) return;
    cairo_save(cr);
    cairo_rectangle(cr, view.position.x, view.position.y, view.box_width, view.box_height);
    cairo_clip(cr);
    if (view.fill_background) {
        set_color(cr, view.bg_color);
        cairo_paint(cr);
    }
    if (!view.text.empty()) {
        FontChoice font = choose_font(view.font_name, view.font_weight);
        cairo_select_font_face(cr, font.family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                               font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        // A Windows font of the box's height: ascent and descent together fill the box.
        cairo_set_font_size(cr, 1.0);
        cairo_font_extents_t unit;
        cairo_font_extents(cr, &unit);
        double line = unit.ascent + unit.descent;
        double size = line > 0 ? view.box_height / line : view.box_height;
        cairo_set_font_size(cr, size);
        cairo_font_extents_t font_extents;
        cairo_font_extents(cr, &font_extents);
        cairo_text_extents_t text_extents;
        cairo_text_extents(cr, view.text.c_str(), &text_extents);
        double x = view.position.x;
        double baseline = view.position.y + font_extents.ascent;
        if (view.draw_text_flags & DT_CENTER_FLAG) x += (view.box_width - text_extents.x_advance) / 2.0;
        if (view.draw_text_flags & DT_VCENTER_FLAG)
            baseline += (view.box_height - (font_extents.ascent + font_extents.descent)) / 2.0;
        set_color(cr, view.fg_color);
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, view.text.c_str());
    }
    cairo_restore(cr);
}
