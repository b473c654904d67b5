// Truncating a simulator number to a 32-bit integer without undefined conversions.
#pragma once

#include <cstdint>

// Truncates toward zero to a signed 32-bit integer; values beyond the range give its
// ends and NaN gives 0 (a plain conversion of those is undefined).
int32_t truncate_to_int32(double value);
