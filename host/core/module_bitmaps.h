// Reads the bitmap pack out of a gauge module's shared library (ELF) file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The module's bitmaps by resource id, each a complete BMP file. A module without a
// bitmap section yields an empty map; an unreadable or malformed file, or a malformed
// pack, throws std::runtime_error naming the file.
std::map<uint32_t, std::vector<uint8_t>> read_module_bitmaps(const std::string& so_path);

// The same, from an ELF image already in memory; `name` is only used in messages.
std::map<uint32_t, std::vector<uint8_t>> read_module_bitmaps_from_image(const uint8_t* data, size_t size,
                                                                        const std::string& name);
