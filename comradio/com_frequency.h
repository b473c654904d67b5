// Frequency words: four BCD digits of a COM frequency from 100 to 199.99 MHz with the
// leading 1 left out (0x1835 is 118.35 MHz), their decoding and the display text.
#pragma once

#include <array>
#include <cstdint>

constexpr uint32_t COM_DISPLAY_CHARS = 6;

struct ComDecoded {
    int32_t d1 = 0;  // tens of MHz after the leading 1: everything above the low 12 bits
    int32_t d2 = 0;  // units of MHz
    int32_t d3 = 0;  // tenths
    int32_t d4 = 0;  // hundredths
    double mhz = 0.0;
};

// Digits are taken as they come: a nibble of 10 to 15 counts as 10 to 15.
ComDecoded com_decode_word(uint32_t word);

// "118.00"; "---.--" from 999 MHz up, where the digits no longer fit. Zero-terminated.
std::array<char, COM_DISPLAY_CHARS + 1> com_display_text(double mhz);
