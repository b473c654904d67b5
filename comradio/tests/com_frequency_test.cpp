// Decoding frequency words and the display text they give, without a host.
#include <gtest/gtest.h>

#include <cstring>

#include "comradio/com_frequency.h"

namespace {

TEST(ComFrequencyWord, DecodesDigitsAndShowsTheFrequency) {
    struct Case {
        uint32_t word;
        int32_t d1, d2, d3, d4;
        double mhz;
        const char* text;
    } cases[] = {
        {0x1800, 1, 8, 0, 0, 118.00, "118.00"},
        {0x3695, 3, 6, 9, 5, 136.95, "136.95"},
        {0xA000, 10, 0, 0, 0, 200.00, "200.00"},     // a nibble above 9 counts as its value
        {0x59000, 0x59, 0, 0, 0, 990.00, "990.00"},  // bits above the four digits
        {0x5A000, 0x5A, 0, 0, 0, 1000.00, "---.--"},
        {0xFFFFFFFF, 0xFFFFF, 15, 15, 15, 10485866.65, "---.--"},  // the top bit set
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "word 0x" << c.word);
        ComDecoded decoded = com_decode_word(c.word);
        EXPECT_EQ(decoded.d1, c.d1);
        EXPECT_EQ(decoded.d2, c.d2);
        EXPECT_EQ(decoded.d3, c.d3);
        EXPECT_EQ(decoded.d4, c.d4);
        EXPECT_NEAR(decoded.mhz, c.mhz, 1e-6);
        EXPECT_STREQ(com_display_text(decoded.mhz).data(), c.text);
    }
}

TEST(ComFrequencyWord, DisplayTextNeverPassesItsSixCharacters) {
    // Every word of the low 20 bits, and a spread of the rest up to the top.
    for (uint64_t word = 0; word <= 0xFFFFFFFFu; word += word < 0x100000 ? 1 : 0x10001) {
        auto text = com_display_text(com_decode_word(uint32_t(word)).mhz);
        ASSERT_LE(std::strlen(text.data()), COM_DISPLAY_CHARS) << std::hex << "word 0x" << word;
    }
}

}  // namespace
