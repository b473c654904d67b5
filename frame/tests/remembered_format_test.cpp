// A remembered format gives what snprintf gives, value after value.
#include "frame/remembered_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

TEST(RememberedFormat, EachTextIsWhatSnprintfGives) {
    // Repeats, and values that compare equal but print differently (0 and -0), or
    // compare unequal to themselves (NaN).
    const double values[] = {4.0,  4.0, 4.05, 0.0, -0.0, -0.0, 0.0, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::quiet_NaN(), 1e300, 123.456, 4.0};
    for (const char* format : {"%5.1f", "%03.1f", "%6.2f"}) {
        RememberedFormat remembered(format);
        for (double value : values) {
            char expected[40];
            std::snprintf(expected, sizeof expected, format, value);
            EXPECT_STREQ(remembered.text(value), expected) << format << " " << value;
        }
    }
}

}  // namespace
