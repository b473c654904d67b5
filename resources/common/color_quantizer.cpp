// A small median-cut colour quantizer for the artwork's palettes.
#include "color_quantizer.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

int channel(uint32_t rgb, int c) { return static_cast<int>((rgb >> (16 - 8 * c)) & 0xFF); }

// A run [begin, end) of the colour list, split further while the palette has room.
struct Box {
    size_t begin;
    size_t end;
    int widest_channel;
    int range;          // extent of the widest channel
    uint64_t pixels;
};

Box make_box(const std::vector<WeightedColor>& colors, size_t begin, size_t end) {
    std::array<int, 3> lo{255, 255, 255};
    std::array<int, 3> hi{0, 0, 0};
    uint64_t pixels = 0;
    for (size_t i = begin; i < end; ++i) {
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], channel(colors[i].rgb, c));
            hi[c] = std::max(hi[c], channel(colors[i].rgb, c));
        }
        pixels += colors[i].count;
    }
    Box box{begin, end, 0, -1, pixels};
    for (int c = 0; c < 3; ++c) {
        if (hi[c] - lo[c] > box.range) {
            box.range = hi[c] - lo[c];
            box.widest_channel = c;
        }
    }
    return box;
}

uint32_t box_mean(const std::vector<WeightedColor>& colors, const Box& box) {
    std::array<uint64_t, 3> sum{0, 0, 0};
    uint64_t n = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c) sum[c] += uint64_t(channel(colors[i].rgb, c)) * colors[i].count;
        n += colors[i].count;
    }
    if (n == 0) return colors[box.begin].rgb;
    uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c) rgb = (rgb << 8) | uint32_t((sum[c] + n / 2) / n);
    return rgb;
}

// Splits at the pixel-weighted median of the widest channel, keeping both halves non-empty.
std::pair<Box, Box> split_box(std::vector<WeightedColor>& colors, const Box& box) {
    const int c = box.widest_channel;
    std::sort(colors.begin() + long(box.begin), colors.begin() + long(box.end),
              [c](const WeightedColor& a, const WeightedColor& b) {
                  return channel(a.rgb, c) < channel(b.rgb, c);
              });
    uint64_t seen = 0;
    size_t cut = box.begin + 1;
    for (size_t i = box.begin; i < box.end - 1; ++i) {
        seen += colors[i].count;
        cut = i + 1;
        if (seen * 2 >= box.pixels) break;
    }
    return {make_box(colors, box.begin, cut), make_box(colors, cut, box.end)};
}

}  // namespace

std::vector<uint32_t> median_cut_palette(std::vector<WeightedColor> colors, int max_colors) {
    std::vector<uint32_t> palette;
    if (colors.empty() || max_colors <= 0) return palette;
    if (colors.size() <= size_t(max_colors)) {
        for (const auto& wc : colors) palette.push_back(wc.rgb);
        return palette;
    }
    std::vector<Box> boxes{make_box(colors, 0, colors.size())};
    while (boxes.size() < size_t(max_colors)) {
        // Split the box that carries the most error: wide and heavily used.
        auto worst = boxes.end();
        double worst_score = 0;
        for (auto it = boxes.begin(); it != boxes.end(); ++it) {
            if (it->end - it->begin < 2 || it->range <= 0) continue;
            const double score = double(it->range) * double(it->pixels);
            if (worst == boxes.end() || score > worst_score) {
                worst = it;
                worst_score = score;
            }
        }
        if (worst == boxes.end()) break;
        auto [a, b] = split_box(colors, *worst);
        *worst = a;
        boxes.push_back(b);
    }
    for (const auto& box : boxes) palette.push_back(box_mean(colors, box));
    return palette;
}

int nearest_palette_index(const std::vector<uint32_t>& palette, uint32_t rgb) {
    int best = -1;
    int best_d = std::numeric_limits<int>::max();
    for (size_t i = 0; i < palette.size(); ++i) {
        int d = 0;
        for (int c = 0; c < 3; ++c) {
            const int diff = channel(palette[i], c) - channel(rgb, c);
            d += diff * diff;
        }
        if (d < best_d) {
            best_d = d;
            best = int(i);
        }
    }
    return best;
}
