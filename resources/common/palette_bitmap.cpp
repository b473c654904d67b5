// Turns a Cairo ARGB32 drawing into the 8-bit palette BMP the gauges carry.
#include "palette_bitmap.h"

#include "color_quantizer.h"

#include <fstream>
#include <stdexcept>
#include <unordered_map>

namespace {

// What one source pixel becomes before quantizing.
struct PixelClass {
    enum Kind { Transparent, Window, Drawn } kind;
    uint32_t rgb;
};

// Cairo stores premultiplied colour, which is already the pixel composited over black.
PixelClass classify(uint32_t argb, bool keep_exact_window) {
    const uint32_t alpha = argb >> 24;
    const uint32_t rgb = argb & 0xFFFFFF;
    if (alpha == 0) return {PixelClass::Transparent, BMP_TRANSPARENT_RGB};
    if (keep_exact_window && alpha == 255 && rgb == BMP_WINDOW_RGB)
        return {PixelClass::Window, BMP_WINDOW_RGB};
    if (rgb == BMP_TRANSPARENT_RGB || rgb == BMP_WINDOW_RGB) return {PixelClass::Drawn, BMP_NEAR_BLACK_RGB};
    return {PixelClass::Drawn, rgb};
}

void put_u16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put_u32(std::vector<uint8_t>& out, uint32_t v) {
    put_u16(out, v & 0xFFFF);
    put_u16(out, v >> 16);
}

// The image as palette indices (top row first) and its palette.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;
    std::vector<uint32_t> palette;
};

IndexedImage index_surface(cairo_surface_t* surface, const PaletteBmpOptions& options) {
    if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32)
        throw std::invalid_argument("palette BMP: the surface must be an ARGB32 image");
    if (options.max_colors < 3 || options.max_colors > 256)
        throw std::invalid_argument("palette BMP: max_colors must be 3..256");
    cairo_surface_flush(surface);

    IndexedImage image;
    image.width = cairo_image_surface_get_width(surface);
    image.height = cairo_image_surface_get_height(surface);
    if (image.width <= 0 || image.height <= 0) throw std::invalid_argument("palette BMP: empty surface");
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);

    std::vector<PixelClass> pixels;
    pixels.reserve(size_t(image.width) * size_t(image.height));
    bool any_transparent = false;
    bool any_window = false;
    std::unordered_map<uint32_t, uint32_t> histogram;
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < image.width; ++x) {
            const PixelClass p = classify(row[x], options.keep_exact_window);
            any_transparent |= p.kind == PixelClass::Transparent;
            any_window |= p.kind == PixelClass::Window;
            if (p.kind == PixelClass::Drawn) ++histogram[p.rgb];
            pixels.push_back(p);
        }
    }

    // Reserved colours first, only when used; drawn colours can never map onto them.
    uint8_t transparent_index = 0;
    uint8_t window_index = 0;
    if (any_transparent) {
        transparent_index = uint8_t(image.palette.size());
        image.palette.push_back(BMP_TRANSPARENT_RGB);
    }
    if (any_window) {
        window_index = uint8_t(image.palette.size());
        image.palette.push_back(BMP_WINDOW_RGB);
    }
    const size_t first_drawn = image.palette.size();

    std::vector<WeightedColor> colors;
    colors.reserve(histogram.size());
    for (const auto& [rgb, count] : histogram) colors.push_back({rgb, count});
    std::vector<uint32_t> drawn_palette =
        median_cut_palette(std::move(colors), options.max_colors - int(first_drawn));
    for (uint32_t& rgb : drawn_palette) {
        // A box mean can land on a reserved colour even when no member does.
        if (rgb == BMP_TRANSPARENT_RGB || rgb == BMP_WINDOW_RGB) rgb = BMP_NEAR_BLACK_RGB;
    }
    image.palette.insert(image.palette.end(), drawn_palette.begin(), drawn_palette.end());

    std::unordered_map<uint32_t, uint8_t> index_of;
    for (const auto& entry : histogram)
        index_of[entry.first] = uint8_t(first_drawn + size_t(nearest_palette_index(drawn_palette, entry.first)));

    image.indices.reserve(pixels.size());
    for (const PixelClass& p : pixels) {
        switch (p.kind) {
            case PixelClass::Transparent: image.indices.push_back(transparent_index); break;
            case PixelClass::Window: image.indices.push_back(window_index); break;
            case PixelClass::Drawn: image.indices.push_back(index_of[p.rgb]); break;
        }
    }
    return image;
}

}  // namespace

std::vector<uint8_t> encode_palette_bmp(cairo_surface_t* surface, const PaletteBmpOptions& options) {
    const IndexedImage image = index_surface(surface, options);
    constexpr uint32_t file_header_size = 14;
    constexpr uint32_t info_header_size = 40;
    const uint32_t row_size = (uint32_t(image.width) + 3u) & ~3u;
    const uint32_t pixel_bytes = row_size * uint32_t(image.height);
    const uint32_t colors = uint32_t(image.palette.size());
    const uint32_t pixel_offset = file_header_size + info_header_size + 4 * colors;

    std::vector<uint8_t> out;
    out.reserve(pixel_offset + pixel_bytes);
    out.push_back('B');
    out.push_back('M');
    put_u32(out, pixel_offset + pixel_bytes);
    put_u32(out, 0);  // two reserved words
    put_u32(out, pixel_offset);

    put_u32(out, info_header_size);
    put_u32(out, uint32_t(image.width));
    put_u32(out, uint32_t(image.height));  // positive: rows stored bottom-up
    put_u16(out, 1);                       // planes
    put_u16(out, 8);                       // bits per pixel
    put_u32(out, 0);                       // BI_RGB
    put_u32(out, pixel_bytes);
    put_u32(out, 2835);  // 72 dpi, in pixels per metre
    put_u32(out, 2835);
    put_u32(out, colors);
    put_u32(out, 0);

    for (uint32_t rgb : image.palette) {
        out.push_back(uint8_t(rgb));        // blue
        out.push_back(uint8_t(rgb >> 8));   // green
        out.push_back(uint8_t(rgb >> 16));  // red
        out.push_back(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const auto row = image.indices.begin() + long(y) * image.width;
        out.insert(out.end(), row, row + image.width);
        out.insert(out.end(), row_size - uint32_t(image.width), uint8_t(0));
    }
    return out;
}

void write_palette_bmp(const std::string& path, cairo_surface_t* surface, const PaletteBmpOptions& options) {
    const std::vector<uint8_t> bytes = encode_palette_bmp(surface, options);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (file) file.close();
    if (!file) throw std::runtime_error("cannot write bitmap file " + path);
}
