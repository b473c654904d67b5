// A small median-cut colour quantizer for the artwork's palettes.
#pragma once

#include <cstdint>
#include <vector>

struct WeightedColor {
    uint32_t rgb;    // 0x00RRGGBB
    uint32_t count;  // how many pixels have it
};

// Up to `max_colors` representative colours (0x00RRGGBB) for `colors`, each the
// pixel-weighted mean of one median-cut box. Returns the colours themselves when they fit.
std::vector<uint32_t> median_cut_palette(std::vector<WeightedColor> colors, int max_colors);

// Index of the entry of `palette` nearest to `rgb` (squared RGB distance).
int nearest_palette_index(const std::vector<uint32_t>& palette, uint32_t rgb);
