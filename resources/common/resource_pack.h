// The bitmap pack a gauge module carries: its layout, a writer and a bounds-checked parser.
//
// Layout, little-endian: "GRES", u32 count, then count entries of
// {u32 resource id, u32 offset from the pack's start, u32 size}, then the data;
// each entry's data is a complete BMP file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

constexpr char RESOURCE_PACK_MAGIC[4] = {'G', 'R', 'E', 'S'};
constexpr size_t RESOURCE_PACK_HEADER_SIZE = 8;
constexpr size_t RESOURCE_PACK_ENTRY_SIZE = 12;
// The ELF section of a module's .so that holds the pack.
constexpr const char* GAUGE_BITMAP_SECTION = ".gauge_bitmaps";

using ResourceMap = std::map<uint32_t, std::vector<uint8_t>>;

// The pack holding `resources`, data in id order.
std::vector<uint8_t> build_resource_pack(const ResourceMap& resources);

// Every entry of the pack by id; throws std::runtime_error saying what is wrong for a
// truncated pack, a bad magic, duplicate ids, or empty, out-of-range or overlapping data.
ResourceMap parse_resource_pack(const uint8_t* data, size_t size);
