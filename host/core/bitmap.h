// A decoded gauge bitmap and the reader for the 8-bit palette BMPs modules carry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;  // 0x00RRGGBB per pixel, top row first
};

// Largest width or height accepted; anything beyond is taken as a corrupt header.
constexpr int BITMAP_MAX_DIMENSION = 16384;

// Decodes an uncompressed 8-bit palette BMP, with or without the 14-byte file header
// (resources have none), stored bottom-up or top-down. Throws std::runtime_error
// saying what is wrong for any input it cannot decode; never reads out of bounds.
Bitmap decode_bmp(const uint8_t* data, size_t size);
