// Sprite masks: the window through which a sprite's texture is seen is exactly RGB (1,1,1),
// so it is drawn without antialiasing and written with that colour kept as it is.
#pragma once

#include <cairo.h>

#include <string>

// Fills the current path (and clears it) with the window colour, every covered pixel
// exactly (1,1,1), replacing whatever was there.
void fill_mask_window(cairo_t* cr);

// Writes a mask drawn on an ArtCanvas: window pixels stay (1,1,1), untouched pixels
// become pure black (outside the sprite), everything else keeps its drawn colour.
void write_sprite_mask(const std::string& path, cairo_surface_t* argb32_surface);
