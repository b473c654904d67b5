// Sprite masks with an exact window colour.
#include "sprite_mask.h"

#include "palette_bitmap.h"

void fill_mask_window(cairo_t* cr) {
    cairo_save(cr);
    // Antialiased edges would blend the window colour into other colours that the
    // host then draws over the texture; whole pixels keep the window's edge clean.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgb(cr, ((BMP_WINDOW_RGB >> 16) & 0xFF) / 255.0, ((BMP_WINDOW_RGB >> 8) & 0xFF) / 255.0,
                         (BMP_WINDOW_RGB & 0xFF) / 255.0);
    cairo_fill(cr);
    cairo_restore(cr);
}

void write_sprite_mask(const std::string& path, cairo_surface_t* surface) {
    PaletteBmpOptions options;
    options.keep_exact_window = true;
    write_palette_bmp(path, surface, options);
}
