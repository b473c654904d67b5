// The bitmap pack a gauge module carries: its layout, a writer and a bounds-checked parser.
#include "resource_pack.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

void put_u32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

uint32_t get_u32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

std::string hex_id(uint32_t id) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", id);
    return buf;
}

[[noreturn]] void fail(const std::string& what) { throw std::runtime_error("resource pack: " + what); }

struct Entry {
    uint32_t id;
    uint64_t offset;
    uint64_t size;
};

}  // namespace

std::vector<uint8_t> build_resource_pack(const ResourceMap& resources) {
    std::vector<uint8_t> out(RESOURCE_PACK_MAGIC, RESOURCE_PACK_MAGIC + 4);
    put_u32(out, uint32_t(resources.size()));
    uint64_t offset = RESOURCE_PACK_HEADER_SIZE + RESOURCE_PACK_ENTRY_SIZE * resources.size();
    for (const auto& [id, bytes] : resources) {
        if (offset + bytes.size() > UINT32_MAX) fail("larger than 4 GiB");
        put_u32(out, id);
        put_u32(out, uint32_t(offset));
        put_u32(out, uint32_t(bytes.size()));
        offset += bytes.size();
    }
    for (const auto& entry : resources) out.insert(out.end(), entry.second.begin(), entry.second.end());
    return out;
}

ResourceMap parse_resource_pack(const uint8_t* data, size_t size) {
    if (size < RESOURCE_PACK_HEADER_SIZE) fail("truncated header (" + std::to_string(size) + " bytes)");
    if (std::memcmp(data, RESOURCE_PACK_MAGIC, 4) != 0) fail("bad magic, expected GRES");
    const uint64_t count = get_u32(data + 4);
    const uint64_t table_end = RESOURCE_PACK_HEADER_SIZE + count * RESOURCE_PACK_ENTRY_SIZE;
    if (table_end > size)
        fail("entry table of " + std::to_string(count) + " entries runs past the end (" + std::to_string(size) +
             " bytes)");

    std::vector<Entry> entries;
    entries.reserve(count);
    for (uint64_t i = 0; i < count; ++i) {
        const uint8_t* e = data + RESOURCE_PACK_HEADER_SIZE + i * RESOURCE_PACK_ENTRY_SIZE;
        const Entry entry{get_u32(e), get_u32(e + 4), get_u32(e + 8)};
        const std::string name = "entry " + hex_id(entry.id);
        if (entry.size == 0) fail(name + " is empty");
        if (entry.offset < table_end) fail(name + " starts inside the header or entry table");
        if (entry.offset + entry.size > size) fail(name + " runs past the end of the pack");
        entries.push_back(entry);
    }

    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.offset < b.offset; });
    for (size_t i = 1; i < entries.size(); ++i) {
        if (entries[i - 1].offset + entries[i - 1].size > entries[i].offset)
            fail("entries " + hex_id(entries[i - 1].id) + " and " + hex_id(entries[i].id) + " overlap");
    }

    ResourceMap resources;
    for (const Entry& entry : entries) {
        const uint8_t* begin = data + entry.offset;
        if (!resources.emplace(entry.id, std::vector<uint8_t>(begin, begin + entry.size)).second)
            fail("duplicate id " + hex_id(entry.id));
    }
    return resources;
}
