// Decoding frequency words and formatting the display text.
#include "com_frequency.h"

#include <cstring>

#include "frame/remembered_format.h"

ComDecoded com_decode_word(uint32_t word) {
    ComDecoded decoded;
    // Unsigned shifts: a word with its top bits set would overflow 4096 x d1 in signed
    // arithmetic; the upper part still fits a signed 32-bit digit (at most 0xFFFFF).
    decoded.d1 = int32_t(word >> 12);
    decoded.d2 = int32_t(word >> 8 & 0xF);
    decoded.d3 = int32_t(word >> 4 & 0xF);
    decoded.d4 = int32_t(word & 0xF);
    const int64_t hundredths = 10000 + 1000 * int64_t(decoded.d1) + 100 * decoded.d2 + 10 * decoded.d3 + decoded.d4;
    decoded.mhz = double(hundredths) * 0.01;
    return decoded;
}

std::array<char, COM_DISPLAY_CHARS + 1> com_display_text(double mhz) {
    std::array<char, COM_DISPLAY_CHARS + 1> text{};
    if (mhz < 999.0) {
        // The display shows the same frequency frame after frame.
        static RememberedFormat display("%6.2f");
        // The copy cuts anything longer than the display; below 999 it is always six.
        std::strncpy(text.data(), display.text(mhz), COM_DISPLAY_CHARS);
    } else {
        std::memcpy(text.data(), "---.--", COM_DISPLAY_CHARS + 1);
    }
    return text;
}
