// Turns a Cairo ARGB32 drawing into the 8-bit palette BMP the gauges carry.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

// Black is the transparent colour; (1,1,1) is the window colour of sprite masks.
constexpr uint32_t BMP_TRANSPARENT_RGB = 0x000000;
constexpr uint32_t BMP_WINDOW_RGB = 0x010101;
// What a drawn pixel that would land on a reserved colour becomes instead.
constexpr uint32_t BMP_NEAR_BLACK_RGB = 0x020202;

struct PaletteBmpOptions {
    // Keep fully opaque pixels of exactly (1,1,1) as the window colour; every other
    // drawn pixel is still kept away from it.
    bool keep_exact_window = false;
    // Palette entries the file may use, reserved colours included (2..256).
    int max_colors = 256;
};

// The complete BMP file (file header included) for the surface.
std::vector<uint8_t> encode_palette_bmp(cairo_surface_t* argb32_surface,
                                        const PaletteBmpOptions& options = {});

// Writes encode_palette_bmp's result to `path`; throws std::runtime_error naming the
// path when the file cannot be written.
void write_palette_bmp(const std::string& path, cairo_surface_t* argb32_surface,
                       const PaletteBmpOptions& options = {});
