// A printf of one number that remembers its last value and text. The gauges format the
// same values frame after frame, and formatting a number is the dearest thing they do
// in a frame; each place that formats keeps one of these.
#pragma once

#include <cstdint>

class RememberedFormat {
public:
    // format: a printf format with exactly one double conversion, e.g. "%5.1f".
    explicit constexpr RememberedFormat(const char* format) : format_(format) {}

    // What snprintf gives for value (cut to 39 characters), formatted afresh only when
    // value differs in any bit from the last one. Valid until the next call.
    const char* text(double value);

private:
    const char* format_;
    uint64_t bits_ = 0;
    bool formatted_ = false;
    char text_[40] = {};
};
