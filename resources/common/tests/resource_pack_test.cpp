// Checks the bitmap pack's writer and that its parser refuses every malformed pack.
#include "resources/common/resource_pack.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

void set_u32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

const ResourceMap sample = {
    {0x2000, {'B', 'M', 1, 2, 3}},
    {0x1000, {'B', 'M', 9}},
};

TEST(ResourcePack, RoundTripsAndLaysOutTheHeader) {
    const std::vector<uint8_t> pack = build_resource_pack(sample);
    ASSERT_EQ(pack.size(), 8 + 2 * 12 + 5 + 3);
    EXPECT_EQ(std::string(pack.begin(), pack.begin() + 4), "GRES");
    EXPECT_EQ(pack[4], 2);
    // The first entry is the lowest id, its data right after the table.
    EXPECT_EQ(pack[8] | pack[9] << 8, 0x1000);
    EXPECT_EQ(pack[12], 32);
    EXPECT_EQ(pack[16], 3);
    EXPECT_EQ(parse_resource_pack(pack.data(), pack.size()), sample);
}

TEST(ResourcePack, EmptyPackIsValid) {
    const std::vector<uint8_t> pack = build_resource_pack({});
    EXPECT_TRUE(parse_resource_pack(pack.data(), pack.size()).empty());
}

TEST(ResourcePack, MalformedPacksAreRejectedWithAReason) {
    // Entry 0 (id 0x1000) is at 8..19, entry 1 (id 0x2000) at 20..31; data from 32.
    struct Case {
        const char* name;
        std::function<void(std::vector<uint8_t>&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {"bad magic", [](auto& b) { b[0] = 'X'; }, "magic"},
        {"header cut", [](auto& b) { b.resize(6); }, "truncated"},
        {"table cut", [](auto& b) { b.resize(25); }, "entry table"},
        {"count beyond the data", [](auto& b) { set_u32(b, 4, 0x40000000); }, "entry table"},
        {"data past the end", [](auto& b) { set_u32(b, 16, 100); }, "past the end"},
        {"offset wraps", [](auto& b) { set_u32(b, 12, 0xFFFFFFF0); set_u32(b, 16, 0x20); }, "past the end"},
        {"data inside the table", [](auto& b) { set_u32(b, 12, 10); }, "inside the header"},
        {"overlap", [](auto& b) { set_u32(b, 24, 33); }, "overlap"},
        {"duplicate id", [](auto& b) { set_u32(b, 20, 0x1000); }, "duplicate"},
        {"empty entry", [](auto& b) { set_u32(b, 28, 0); }, "empty"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> pack = build_resource_pack(sample);
        c.damage(pack);
        try {
            parse_resource_pack(pack.data(), pack.size());
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

TEST(ResourcePack, EveryTruncationIsRejected) {
    const std::vector<uint8_t> pack = build_resource_pack(sample);
    for (size_t size = 0; size < pack.size(); ++size) {
        // Copy so a read past the shortened size is caught by the sanitizer.
        const std::vector<uint8_t> cut(pack.begin(), pack.begin() + long(size));
        EXPECT_THROW(parse_resource_pack(cut.data(), cut.size()), std::runtime_error) << size;
    }
}

}  // namespace
