// Reads the bitmap pack out of a gauge module's shared library (ELF) file.
#include "module_bitmaps.h"

#include "resources/common/resource_pack.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace {

// The located section's bytes, as offsets into the image.
struct SectionRange {
    uint64_t offset;
    uint64_t size;
};

// Copies a record out of the image; the caller has checked the bounds.
template <typename T>
T record_at(const uint8_t* data, uint64_t offset) {
    T value;
    std::memcpy(&value, data + offset, sizeof(T));
    return value;
}

bool fits(uint64_t offset, uint64_t length, size_t size) { return offset <= size && length <= size - offset; }

template <typename Ehdr, typename Shdr>
std::optional<SectionRange> find_section(const uint8_t* data, size_t size, const char* wanted) {
    if (size < sizeof(Ehdr)) throw std::runtime_error("truncated ELF header");
    const auto eh = record_at<Ehdr>(data, 0);
    if (eh.e_shoff == 0) return std::nullopt;  // no section table at all
    if (eh.e_shentsize != sizeof(Shdr)) throw std::runtime_error("unexpected section header size");
    if (!fits(eh.e_shoff, sizeof(Shdr), size)) throw std::runtime_error("section table outside the file");

    // Very large tables keep their count and string-table index in section 0.
    const auto first = record_at<Shdr>(data, eh.e_shoff);
    const uint64_t count = eh.e_shnum != 0 ? eh.e_shnum : first.sh_size;
    const uint64_t names_index = eh.e_shstrndx != SHN_XINDEX ? eh.e_shstrndx : first.sh_link;
    if (count > (size - eh.e_shoff) / sizeof(Shdr)) throw std::runtime_error("section table outside the file");
    if (names_index == SHN_UNDEF || names_index >= count) throw std::runtime_error("no section name table");

    const auto names = record_at<Shdr>(data, eh.e_shoff + names_index * sizeof(Shdr));
    if (names.sh_type == SHT_NOBITS || !fits(names.sh_offset, names.sh_size, size))
        throw std::runtime_error("section name table outside the file");
    const size_t wanted_length = std::strlen(wanted);

    for (uint64_t i = 0; i < count; ++i) {
        const auto sh = record_at<Shdr>(data, eh.e_shoff + i * sizeof(Shdr));
        if (sh.sh_name >= names.sh_size) throw std::runtime_error("section name outside the name table");
        // Compare only within the table, including the terminating NUL.
        const uint64_t room = names.sh_size - sh.sh_name;
        if (room < wanted_length + 1) continue;
        const uint8_t* name = data + names.sh_offset + sh.sh_name;
        if (std::memcmp(name, wanted, wanted_length + 1) != 0) continue;
        if (sh.sh_type == SHT_NOBITS) throw std::runtime_error(std::string(wanted) + " has no data in the file");
        if (!fits(sh.sh_offset, sh.sh_size, size)) throw std::runtime_error(std::string(wanted) + " outside the file");
        return SectionRange{sh.sh_offset, sh.sh_size};
    }
    return std::nullopt;
}

std::optional<SectionRange> find_bitmap_section(const uint8_t* data, size_t size) {
    if (size < EI_NIDENT || std::memcmp(data, ELFMAG, SELFMAG) != 0) throw std::runtime_error("not an ELF file");
    // Section records are read in the host's byte order, so only little-endian files are read.
    if (data[EI_DATA] != ELFDATA2LSB) throw std::runtime_error("not a little-endian ELF file");
    switch (data[EI_CLASS]) {
        case ELFCLASS64: return find_section<Elf64_Ehdr, Elf64_Shdr>(data, size, GAUGE_BITMAP_SECTION);
        case ELFCLASS32: return find_section<Elf32_Ehdr, Elf32_Shdr>(data, size, GAUGE_BITMAP_SECTION);
        default: throw std::runtime_error("unknown ELF class");
    }
}

}  // namespace

std::map<uint32_t, std::vector<uint8_t>> read_module_bitmaps_from_image(const uint8_t* data, size_t size,
                                                                        const std::string& name) {
    try {
        const auto section = find_bitmap_section(data, size);
        if (!section) return {};
        return parse_resource_pack(data + section->offset, section->size);
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(name + ": " + e.what());
    }
}

std::map<uint32_t, std::vector<uint8_t>> read_module_bitmaps(const std::string& so_path) {
    std::ifstream file(so_path, std::ios::binary);
    if (!file) throw std::runtime_error(so_path + ": cannot open");
    const std::vector<uint8_t> image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw std::runtime_error(so_path + ": cannot read");
    return read_module_bitmaps_from_image(image.data(), image.size(), so_path);
}
