// Drawing a sprite element: a scaled, shifted and turned texture seen through its mask.
#pragma once

#include <cairo.h>

#include "frame/gauge_frame.h"
#include "host/core/bitmap.h"

struct SpriteView {
    cairo_surface_t* texture = nullptr;  // black already transparent when the element asks
    const Bitmap* mask = nullptr;
    PIXPOINT position{};                 // top-left corner of the mask on the face
    PIXPOINT centre{};                   // where the texture's centre lies on the face (ofs)
    double texture_scale_x = 1.0;
    double texture_scale_y = 1.0;
    double offset_x = 0.0;               // texture pixels along the texture's own axes
    double offset_y = 0.0;               // positive moves down the texture's own vertical
    double rotation_deg = 0.0;           // counter-clockwise on the screen
};

// In the mask, RGB (1,1,1) is the window in which the texture shows, pure black is
// outside the sprite (nothing drawn), and every other colour is drawn over the texture.
void draw_sprite(cairo_t* cr, const SpriteView& view);
