// Lenient decimal number parsing for the lines of the shared text files.
#pragma once

#include <cstdint>
#include <string_view>

// Skips leading white space, takes an optional sign and the digits after it, up to the
// first other character; text without digits gives 0. A value beyond the 32-bit range
// gives the nearest end of the range.
int32_t parse_lenient_int(std::string_view text);

// Skips leading white space and takes the longest prefix that is a decimal number: an
// optional sign, digits with an optional decimal point and fraction (at least one digit
// in all), and an optional exponent ("e" or "E", optional sign, digits). Text without
// such a prefix gives 0.0. Only decimal notation counts: "inf", "nan" and hexadecimal
// forms give 0.0 ("0x1A" gives 0.0 from its "0"). The result is always finite: a
// number too large for a double gives 0.0, one too small to tell from zero gives 0.0.
// The C locale's decimal point is used whatever the process locale is.
double parse_lenient_double(std::string_view text);
