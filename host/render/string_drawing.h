// Drawing a string element: its text in its box, font, weight and colours.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

#include "frame/gauge_frame.h"

struct StringView {
    PIXPOINT position;           // top-left corner of the box on the face
    int box_width = 0;
    int box_height = 0;
    std::string text;            // UTF-8
    uint32_t fg_color = 0;       // 0x00BBGGRR
    uint32_t bg_color = 0;
    bool fill_background = true; // false for a black background under image flag 0x1
    std::string font_name;       // the Windows name the gauge declares
    uint32_t font_weight = 400;
    uint32_t draw_text_flags = 0;
};

// The view of an installed string element; its text stops at the declared maximum.
StringView string_view_of(const ELEMENT_STRING& string);

// The text is sized so that a line fills the box height, clipped to the box, centred
// horizontally under flag 0x1 and vertically under 0x4, else at the top left.
void draw_string(cairo_t* cr, const StringView& view);
