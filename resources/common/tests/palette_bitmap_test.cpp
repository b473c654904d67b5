// Checks that artwork survives the trip to an 8-bit palette BMP with its reserved colours intact.
#include "resources/common/palette_bitmap.h"

#include "host/core/bitmap.h"
#include "resources/common/art_canvas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

uint32_t u32_at(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

// Writes premultiplied ARGB straight into the surface.
void put_pixel(cairo_surface_t* s, int x, int y, uint32_t argb) {
    cairo_surface_flush(s);
    auto* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    reinterpret_cast<uint32_t*>(row)[x] = argb;
    cairo_surface_mark_dirty(s);
}

uint32_t source_pixel(cairo_surface_t* s, int x, int y) {
    cairo_surface_flush(s);
    const auto* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    return reinterpret_cast<const uint32_t*>(row)[x];
}

Bitmap round_trip(cairo_surface_t* s, const PaletteBmpOptions& options = {}) {
    const std::vector<uint8_t> bmp = encode_palette_bmp(s, options);
    return decode_bmp(bmp.data(), bmp.size());
}

int channel_error(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}

TEST(PaletteBitmap, HeaderDescribesAnUncompressed8BitBottomUpImage) {
    ArtCanvas canvas(5, 3);  // odd width: each row is padded to 8 bytes
    put_pixel(canvas.surface(), 0, 0, 0xFF102030);
    put_pixel(canvas.surface(), 4, 2, 0xFF405060);
    const std::vector<uint8_t> bmp = encode_palette_bmp(canvas.surface());

    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(u32_at(bmp, 2), bmp.size());
    EXPECT_EQ(u32_at(bmp, 14), 40u);
    EXPECT_EQ(u32_at(bmp, 18), 5u);
    EXPECT_EQ(u32_at(bmp, 22), 3u);  // positive height: bottom-up
    EXPECT_EQ(bmp[28] | bmp[29] << 8, 8);
    EXPECT_EQ(u32_at(bmp, 30), 0u);
    const uint32_t colors = u32_at(bmp, 46);
    EXPECT_EQ(colors, 3u);  // black for the empty pixels, plus the two drawn colours
    EXPECT_EQ(u32_at(bmp, 10), 54 + 4 * colors);
    EXPECT_EQ(bmp.size(), 54 + 4 * colors + 8 * 3);

    // The last stored row is the top row of the image.
    const uint32_t top_left_index = bmp[u32_at(bmp, 10) + 2 * 8];
    const size_t entry = 54 + 4 * top_left_index;
    EXPECT_EQ((uint32_t(bmp[entry + 2]) << 16 | uint32_t(bmp[entry + 1]) << 8 | bmp[entry]), 0x102030u);
}

TEST(PaletteBitmap, OpaqueColoursAndTransparencyRoundTripExactly) {
    ArtCanvas canvas(7, 4);
    const uint32_t colors[] = {0xFFFFFFFF, 0xFF0A141E, 0xFFC83C00, 0xFF020202};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; x += 2) put_pixel(canvas.surface(), x, y, colors[(x / 2 + y) % 4]);

    const Bitmap bitmap = round_trip(canvas.surface());
    ASSERT_EQ(bitmap.width, 7);
    ASSERT_EQ(bitmap.height, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x) {
            const uint32_t expected = x % 2 ? 0u : colors[(x / 2 + y) % 4] & 0xFFFFFF;
            EXPECT_EQ(bitmap.rgb[size_t(y) * 7 + x], expected) << x << "," << y;
        }
}

// Antialiased edges and very dark paint over transparency would otherwise land on the
// transparent or window colour.
TEST(PaletteBitmap, DrawnPixelsNeverBecomeTransparentOrWindowColour) {
    ArtCanvas canvas(40, 40);
    fill_circle(canvas.cr(), {20, 20}, 15.3, {0.004, 0.004, 0.004});
    fill_ring(canvas.cr(), {20, 20}, 6.2, 9.7, {0.9, 0.5, 0.1});
    draw_radial_tick(canvas.cr(), {20, 20}, 33, 0, 19, 0.7, {0.01, 0.01, 0.01});

    bool has_reserved_source = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const uint32_t p = source_pixel(canvas.surface(), x, y);
            has_reserved_source |= (p >> 24) != 0 && ((p & 0xFFFFFF) == 0 || (p & 0xFFFFFF) == 0x010101);
        }
    ASSERT_TRUE(has_reserved_source) << "the drawing does not exercise the nudge";

    const Bitmap bitmap = round_trip(canvas.surface());
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool transparent = (source_pixel(canvas.surface(), x, y) >> 24) == 0;
            const uint32_t rgb = bitmap.rgb[size_t(y) * 40 + x];
            EXPECT_NE(rgb, BMP_WINDOW_RGB) << x << "," << y;
            EXPECT_EQ(rgb == BMP_TRANSPARENT_RGB, transparent) << x << "," << y;
        }
}

TEST(PaletteBitmap, WindowColourIsKeptOnlyWhenAskedAndOnlyWhereExactAndOpaque) {
    ArtCanvas canvas(6, 2);
    put_pixel(canvas.surface(), 0, 0, 0xFF010101);  // exact, opaque window pixel
    put_pixel(canvas.surface(), 1, 0, 0x80010101);  // half-covered edge of a window
    put_pixel(canvas.surface(), 2, 0, 0xFF000000);  // opaque black paint
    put_pixel(canvas.surface(), 3, 0, 0xFF808080);

    struct Case {
        bool keep_window;
        uint32_t expected[4];
    };
    const Case cases[] = {
        {true, {BMP_WINDOW_RGB, BMP_NEAR_BLACK_RGB, BMP_NEAR_BLACK_RGB, 0x808080}},
        {false, {BMP_NEAR_BLACK_RGB, BMP_NEAR_BLACK_RGB, BMP_NEAR_BLACK_RGB, 0x808080}},
    };
    for (const Case& c : cases) {
        PaletteBmpOptions options;
        options.keep_exact_window = c.keep_window;
        const Bitmap bitmap = round_trip(canvas.surface(), options);
        for (int x = 0; x < 4; ++x) EXPECT_EQ(bitmap.rgb[x], c.expected[x]) << "keep=" << c.keep_window << " x=" << x;
        EXPECT_EQ(bitmap.rgb[4], BMP_TRANSPARENT_RGB);
    }
}

// A smooth gradient through near-black has thousands of colours: the palette must stay
// within its limit, stay close, and still never hand a drawn pixel a reserved colour.
TEST(PaletteBitmap, ManyColoursAreQuantizedWithinTheLimit) {
    constexpr int size = 96;
    ArtCanvas canvas(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const uint32_t r = uint32_t(x * 255 / (size - 1)), g = uint32_t(y * 255 / (size - 1));
            const uint32_t b = uint32_t((x + y) % 7);
            put_pixel(canvas.surface(), x, y, 0xFF000000 | r << 16 | g << 8 | b);
        }
    put_pixel(canvas.surface(), 5, 5, 0);  // one transparent pixel takes a palette slot

    for (int limit : {256, 16}) {
        PaletteBmpOptions options;
        options.max_colors = limit;
        const std::vector<uint8_t> bmp = encode_palette_bmp(canvas.surface(), options);
        EXPECT_LE(u32_at(bmp, 46), uint32_t(limit));
        const Bitmap bitmap = decode_bmp(bmp.data(), bmp.size());

        std::set<uint32_t> used;
        double total_error = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const uint32_t rgb = bitmap.rgb[size_t(y) * size + x];
                used.insert(rgb);
                if (x == 5 && y == 5) {
                    EXPECT_EQ(rgb, BMP_TRANSPARENT_RGB);
                    continue;
                }
                EXPECT_NE(rgb, BMP_TRANSPARENT_RGB);
                EXPECT_NE(rgb, BMP_WINDOW_RGB);
                total_error += channel_error(rgb, source_pixel(canvas.surface(), x, y) & 0xFFFFFF);
            }
        EXPECT_LE(used.size(), size_t(limit));
        const double mean_error = total_error / (size * size);
        EXPECT_LT(mean_error, limit == 256 ? 12.0 : 48.0) << "limit " << limit;
    }
}

TEST(PaletteBitmap, WriteFailureNamesThePath) {
    ArtCanvas canvas(2, 2);
    const std::string path = "/nonexistent-dir/face.bmp";
    try {
        write_palette_bmp(path, canvas.surface());
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
}

}  // namespace
