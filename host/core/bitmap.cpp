// A decoded gauge bitmap and the reader for the 8-bit palette BMPs modules carry.
#include "bitmap.h"

#include <stdexcept>
#include <string>

namespace {

constexpr size_t FILE_HEADER_SIZE = 14;
constexpr size_t INFO_HEADER_SIZE = 40;   // BITMAPINFOHEADER; the V4/V5 headers extend it
constexpr size_t LARGEST_INFO_HEADER = 124;

[[noreturn]] void fail(const std::string& what) { throw std::runtime_error("BMP: " + what); }

uint32_t u32_at(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t u16_at(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

}  // namespace

Bitmap decode_bmp(const uint8_t* data, size_t size) {
    if (!data || size == 0) fail("no data");
    // A DIB starts with its header size (40 or more), so "BM" can only be a file header.
    const bool has_file_header = size >= 2 && data[0] == 'B' && data[1] == 'M';
    const size_t info_at = has_file_header ? FILE_HEADER_SIZE : 0;
    if (size < info_at + INFO_HEADER_SIZE) fail("truncated header");
    const uint8_t* info = data + info_at;

    const uint32_t header_size = u32_at(info);
    if (header_size < INFO_HEADER_SIZE || header_size > LARGEST_INFO_HEADER)
        fail("unsupported info header size " + std::to_string(header_size));
    const int64_t width = int32_t(u32_at(info + 4));
    const int64_t raw_height = int32_t(u32_at(info + 8));
    const uint16_t planes = u16_at(info + 12);
    const uint16_t bit_count = u16_at(info + 14);
    const uint32_t compression = u32_at(info + 16);
    const uint32_t colors_used = u32_at(info + 32);

    if (bit_count != 8) fail("bit depth " + std::to_string(bit_count) + ", expected 8");
    if (compression != 0) fail("compressed (method " + std::to_string(compression) + "), expected uncompressed");
    if (planes != 1) fail("plane count " + std::to_string(planes) + ", expected 1");
    const bool top_down = raw_height < 0;
    const int64_t height = top_down ? -raw_height : raw_height;
    if (width <= 0 || height <= 0 || width > BITMAP_MAX_DIMENSION || height > BITMAP_MAX_DIMENSION)
        fail("absurd size " + std::to_string(width) + " x " + std::to_string(raw_height));
    if (colors_used > 256) fail("palette of " + std::to_string(colors_used) + " colours, at most 256");
    const size_t palette_size = colors_used == 0 ? 256 : colors_used;

    const size_t palette_at = info_at + header_size;
    if (size < palette_at + 4 * palette_size) fail("truncated palette");
    const size_t row_size = (size_t(width) + 3) & ~size_t(3);
    const size_t pixel_bytes = row_size * size_t(height);
    size_t pixels_at = palette_at + 4 * palette_size;
    if (has_file_header) {
        pixels_at = u32_at(data + 10);
        if (pixels_at < palette_at + 4 * palette_size) fail("pixel data offset points into the headers");
    }
    if (pixels_at > size || size - pixels_at < pixel_bytes) fail("truncated pixel data");

    std::vector<uint32_t> palette(palette_size);
    for (size_t i = 0; i < palette_size; ++i) {
        const uint8_t* q = data + palette_at + 4 * i;  // blue, green, red, unused
        palette[i] = uint32_t(q[2]) << 16 | uint32_t(q[1]) << 8 | q[0];
    }

    Bitmap bitmap;
    bitmap.width = int(width);
    bitmap.height = int(height);
    bitmap.rgb.resize(size_t(width) * size_t(height));
    for (int64_t y = 0; y < height; ++y) {
        const int64_t stored_row = top_down ? y : height - 1 - y;
        const uint8_t* row = data + pixels_at + size_t(stored_row) * row_size;
        for (int64_t x = 0; x < width; ++x) {
            const uint8_t index = row[x];
            if (index >= palette_size)
                fail("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") uses palette index " +
                     std::to_string(index) + " of " + std::to_string(palette_size));
            bitmap.rgb[size_t(y) * size_t(width) + size_t(x)] = palette[index];
        }
    }
    return bitmap;
}
