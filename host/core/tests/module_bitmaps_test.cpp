// Checks that the host finds a module's bitmap pack in its ELF file, and refuses damaged files.
#include "host/core/module_bitmaps.h"

#include "resources/common/resource_pack.h"

#include <elf.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <unistd.h>

namespace {

const ResourceMap sample = {{0x1000, {'B', 'M', 1, 2}}, {0x2000, {'B', 'M', 3}}};

// A minimal ELF image: header, the name table, optionally the bitmap section, then
// the section table (null, .shstrtab, .gauge_bitmaps).
template <typename Ehdr, typename Shdr>
std::vector<uint8_t> make_elf(unsigned char elf_class, bool with_bitmaps, const std::vector<uint8_t>& pack) {
    const std::string names = std::string("\0.shstrtab\0", 11) + GAUGE_BITMAP_SECTION + '\0';
    const size_t names_at = sizeof(Ehdr);
    const size_t pack_at = names_at + names.size();
    const size_t pack_size = with_bitmaps ? pack.size() : 0;
    const size_t table_at = (pack_at + pack_size + 7) / 8 * 8;
    const size_t section_count = with_bitmaps ? 3 : 2;
    std::vector<uint8_t> image(table_at + section_count * sizeof(Shdr));
    std::memcpy(image.data() + names_at, names.data(), names.size());
    if (with_bitmaps) std::memcpy(image.data() + pack_at, pack.data(), pack.size());

    Ehdr eh{};
    std::memcpy(eh.e_ident, ELFMAG, SELFMAG);
    eh.e_ident[EI_CLASS] = elf_class;
    eh.e_ident[EI_DATA] = ELFDATA2LSB;
    eh.e_ident[EI_VERSION] = EV_CURRENT;
    eh.e_type = ET_DYN;
    eh.e_version = EV_CURRENT;
    eh.e_ehsize = sizeof(Ehdr);
    eh.e_shoff = table_at;
    eh.e_shentsize = sizeof(Shdr);
    eh.e_shnum = uint16_t(section_count);
    eh.e_shstrndx = 1;
    std::memcpy(image.data(), &eh, sizeof eh);

    std::vector<Shdr> sections(eh.e_shnum);
    sections[1].sh_name = 1;
    sections[1].sh_type = SHT_STRTAB;
    sections[1].sh_offset = names_at;
    sections[1].sh_size = names.size();
    if (with_bitmaps) {
        sections[2].sh_name = 11;
        sections[2].sh_type = SHT_PROGBITS;
        sections[2].sh_offset = pack_at;
        sections[2].sh_size = pack.size();
    }
    std::memcpy(image.data() + table_at, sections.data(), sections.size() * sizeof(Shdr));
    return image;
}

std::vector<uint8_t> make_elf64(bool with_bitmaps = true) {
    return make_elf<Elf64_Ehdr, Elf64_Shdr>(ELFCLASS64, with_bitmaps, build_resource_pack(sample));
}

ResourceMap read(const std::vector<uint8_t>& image) {
    return read_module_bitmaps_from_image(image.data(), image.size(), "gauge.so");
}

TEST(ModuleBitmaps, FindsThePackInBothElfClasses) {
    EXPECT_EQ(read(make_elf64()), sample);
    EXPECT_EQ(read(make_elf<Elf32_Ehdr, Elf32_Shdr>(ELFCLASS32, true, build_resource_pack(sample))), sample);
}

TEST(ModuleBitmaps, MissingSectionGivesNoBitmaps) {
    EXPECT_TRUE(read(make_elf64(false)).empty());
}

TEST(ModuleBitmaps, MalformedFilesAreRejectedNamingTheFile) {
    const size_t shoff = offsetof(Elf64_Ehdr, e_shoff);
    auto shoff_of = [](const std::vector<uint8_t>& b) {
        Elf64_Off off;
        std::memcpy(&off, b.data() + offsetof(Elf64_Ehdr, e_shoff), sizeof off);
        return size_t(off);
    };
    auto section_field = [shoff_of](std::vector<uint8_t>& b, int index, size_t field) {
        return b.data() + shoff_of(b) + size_t(index) * sizeof(Elf64_Shdr) + field;
    };
    auto set_u64 = [](uint8_t* p, uint64_t v) { std::memcpy(p, &v, sizeof v); };
    auto set_u32 = [](uint8_t* p, uint32_t v) { std::memcpy(p, &v, sizeof v); };
    struct Case {
        const char* name;
        std::function<void(std::vector<uint8_t>&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {"not ELF", [](auto& b) { b[1] = 'X'; }, "not an ELF"},
        {"big-endian", [](auto& b) { b[EI_DATA] = ELFDATA2MSB; }, "little-endian"},
        {"unknown class", [](auto& b) { b[EI_CLASS] = 7; }, "class"},
        {"header cut", [](auto& b) { b.resize(40); }, "truncated ELF header"},
        {"table past the end", [=](auto& b) { set_u64(b.data() + shoff, b.size() - 8); }, "section table"},
        {"table cut", [](auto& b) { b.resize(b.size() - 10); }, "section table"},
        {"name table index", [](auto& b) { b[offsetof(Elf64_Ehdr, e_shstrndx)] = 9; }, "name table"},
        {"name table outside", [=](auto& b) { set_u64(section_field(b, 1, offsetof(Elf64_Shdr, sh_size)), 1u << 30); },
         "name table outside"},
        {"name outside table", [=](auto& b) { set_u32(section_field(b, 2, offsetof(Elf64_Shdr, sh_name)), 500); },
         "section name outside"},
        {"section outside", [=](auto& b) { set_u64(section_field(b, 2, offsetof(Elf64_Shdr, sh_offset)), ~0ull - 4); },
         "outside the file"},
        {"section without data",
         [=](auto& b) { set_u32(section_field(b, 2, offsetof(Elf64_Shdr, sh_type)), SHT_NOBITS); }, "no data"},
        {"damaged pack", [=](auto& b) { *section_field(b, 2, offsetof(Elf64_Shdr, sh_size)) -= 1; }, "resource pack"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> image = make_elf64();
        c.damage(image);
        try {
            read(image);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const std::runtime_error& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("gauge.so: ", 0), 0u) << c.name << ": " << what;
            EXPECT_NE(what.find(c.message), std::string::npos) << c.name << ": " << what;
        }
    }
}

TEST(ModuleBitmaps, EveryTruncationIsRejected) {
    const std::vector<uint8_t> image = make_elf64();
    for (size_t size = 0; size < image.size(); ++size) {
        const std::vector<uint8_t> cut(image.begin(), image.begin() + long(size));
        EXPECT_THROW(read(cut), std::runtime_error) << size;
    }
}

TEST(ModuleBitmaps, UnreadableFileIsNamed) {
    try {
        read_module_bitmaps("/nonexistent/gauge.so");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/gauge.so"), std::string::npos);
    }
}

// The build adds the pack to a linked module with objcopy; do the same to this test
// program, a real ELF file the toolchain made.
TEST(ModuleBitmaps, ReadsASectionAddedByObjcopy) {
    if (std::system("objcopy --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "objcopy not available";
    const std::string dir = ::testing::TempDir();
    const std::string pack_path = dir + "module_bitmaps_test.pack";
    const std::string module_path = dir + "module_bitmaps_test.so";
    const std::vector<uint8_t> pack = build_resource_pack(sample);
    std::ofstream(pack_path, std::ios::binary).write(reinterpret_cast<const char*>(pack.data()), long(pack.size()));

    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    ASSERT_GT(n, 0);
    self[n] = '\0';
    const std::string command = std::string("objcopy --add-section ") + GAUGE_BITMAP_SECTION + "=" + pack_path +
                                " --set-section-flags " + GAUGE_BITMAP_SECTION + "=noload,readonly '" + self +
                                "' " + module_path;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    EXPECT_EQ(read_module_bitmaps(module_path), sample);
    std::remove(pack_path.c_str());
    std::remove(module_path.c_str());
}

}  // namespace
