// Formatting a number only when it changes.
#include "remembered_format.h"

#include <bit>
#include <cstdio>

const char* RememberedFormat::text(double value) {
    // The bits, not ==: 0.0 and -0.0 print differently, and NaN equals nothing.
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    if (!formatted_ || bits != bits_) {
        std::snprintf(text_, sizeof text_, format_, value);
        bits_ = bits;
        formatted_ = true;
    }
    return text_;
}
