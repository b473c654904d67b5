// Truncating a simulator number to a 32-bit integer without undefined conversions.
#include "truncate.h"

#include <cmath>
#include <limits>

int32_t truncate_to_int32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return int32_t(value);
}
