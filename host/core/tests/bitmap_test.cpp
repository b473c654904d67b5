// Checks the host's BMP reader on every layout modules use and on damaged files.
#include "host/core/bitmap.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

void put_u16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put_u32(std::vector<uint8_t>& b, uint32_t v) {
    put_u16(b, v & 0xFFFF);
    put_u16(b, v >> 16);
}
void set_u32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

// A 3 x 2 image: top row palette indices 0 1 2, bottom row 2 1 0.
const uint32_t palette[] = {0x000000, 0x102030, 0xFFEEDD};
const uint32_t expected_pixels[] = {0x000000, 0x102030, 0xFFEEDD, 0xFFEEDD, 0x102030, 0x000000};

struct Layout {
    bool file_header;
    bool top_down;
    uint32_t colors_used;  // 0: a full 256-entry palette follows
};

std::vector<uint8_t> make_bmp(const Layout& layout) {
    const uint32_t entries = layout.colors_used ? layout.colors_used : 256;
    const uint32_t pixels_at = (layout.file_header ? 14 : 0) + 40 + 4 * entries;
    std::vector<uint8_t> b;
    if (layout.file_header) {
        b = {'B', 'M'};
        put_u32(b, pixels_at + 8);
        put_u32(b, 0);
        put_u32(b, pixels_at);
    }
    put_u32(b, 40);
    put_u32(b, 3);
    put_u32(b, layout.top_down ? uint32_t(-2) : 2u);
    put_u16(b, 1);
    put_u16(b, 8);
    put_u32(b, 0);
    put_u32(b, 8);
    put_u32(b, 2835);
    put_u32(b, 2835);
    put_u32(b, layout.colors_used);
    put_u32(b, 0);
    for (uint32_t i = 0; i < entries; ++i) put_u32(b, i < 3 ? palette[i] : 0x7F7F7F);
    const std::vector<uint8_t> top = {0, 1, 2, 0xEE}, bottom = {2, 1, 0, 0xEE};  // rows padded to 4
    const std::vector<uint8_t>& first = layout.top_down ? top : bottom;
    const std::vector<uint8_t>& second = layout.top_down ? bottom : top;
    b.insert(b.end(), first.begin(), first.end());
    b.insert(b.end(), second.begin(), second.end());
    return b;
}

TEST(DecodeBmp, ReadsEveryLayout) {
    const Layout layouts[] = {
        {true, false, 3}, {false, false, 3}, {true, true, 3}, {false, true, 3}, {true, false, 0}, {false, true, 0},
    };
    for (const Layout& layout : layouts) {
        const std::vector<uint8_t> bmp = make_bmp(layout);
        const Bitmap bitmap = decode_bmp(bmp.data(), bmp.size());
        ASSERT_EQ(bitmap.width, 3);
        ASSERT_EQ(bitmap.height, 2);
        EXPECT_EQ(bitmap.rgb, std::vector<uint32_t>(std::begin(expected_pixels), std::end(expected_pixels)))
            << "header " << layout.file_header << " top-down " << layout.top_down << " colours " << layout.colors_used;
    }
}

TEST(DecodeBmp, MalformedFilesAreRejectedWithAReason) {
    // Offsets below are within the info header, which starts at 14 in a file.
    struct Case {
        const char* name;
        std::function<void(std::vector<uint8_t>&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {"empty", [](auto& b) { b.clear(); }, "no data"},
        {"header cut", [](auto& b) { b.resize(30); }, "truncated header"},
        {"core header", [](auto& b) { set_u32(b, 14, 12); }, "header size"},
        {"24-bit", [](auto& b) { b[14 + 14] = 24; }, "bit depth"},
        {"run-length coded", [](auto& b) { set_u32(b, 14 + 16, 1); }, "compressed"},
        {"two planes", [](auto& b) { b[14 + 12] = 2; }, "plane"},
        {"zero width", [](auto& b) { set_u32(b, 14 + 4, 0); }, "absurd size"},
        {"negative width", [](auto& b) { set_u32(b, 14 + 4, uint32_t(-3)); }, "absurd size"},
        {"huge height", [](auto& b) { set_u32(b, 14 + 8, 0x7FFFFFFF); }, "absurd size"},
        {"most negative height", [](auto& b) { set_u32(b, 14 + 8, 0x80000000); }, "absurd size"},
        {"palette too large", [](auto& b) { set_u32(b, 14 + 32, 300); }, "at most 256"},
        {"palette cut", [](auto& b) { set_u32(b, 14 + 32, 200); }, "truncated palette"},
        {"pixels cut", [](auto& b) { b.resize(b.size() - 2); }, "truncated pixel"},
        {"pixel offset past the end", [](auto& b) { set_u32(b, 10, 0xFFFFFFF0); }, "truncated pixel"},
        {"pixel offset into headers", [](auto& b) { set_u32(b, 10, 20); }, "offset"},
        {"index beyond palette", [](auto& b) { b[b.size() - 3] = 3; }, "palette index 3"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bmp = make_bmp({true, false, 3});
        c.damage(bmp);
        try {
            decode_bmp(bmp.data(), bmp.size());
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

TEST(DecodeBmp, EveryTruncationIsRejected) {
    for (bool file_header : {true, false}) {
        const std::vector<uint8_t> bmp = make_bmp({file_header, false, 3});
        for (size_t size = 0; size < bmp.size(); ++size) {
            // Copy so a read past the shortened size is caught by the sanitizer.
            const std::vector<uint8_t> cut(bmp.begin(), bmp.begin() + long(size));
            EXPECT_THROW(decode_bmp(cut.data(), cut.size()), std::runtime_error) << size;
        }
    }
}

}  // namespace
