// Lenient decimal number parsing: the prefix is found by hand so that no library
// parser ever sees "inf", "nan" or a hexadecimal form.
#include "lenient_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Index of the first character after the leading white space.
std::size_t skip_blanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && is_blank(text[i])) ++i;
    return i;
}

std::size_t skip_digits(std::string_view text, std::size_t i) {
    while (i < text.size() && is_digit(text[i])) ++i;
    return i;
}

}  // namespace

int32_t parse_lenient_int(std::string_view text) {
    std::size_t i = skip_blanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Accumulated in 64 bits and stopped at the limit, so no digit count overflows.
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    for (; i < text.size() && is_digit(text[i]); ++i)
        if (value < limit) value = value * 10 + (text[i] - '0');
    if (negative) return static_cast<int32_t>(-std::min(value, limit));
    return static_cast<int32_t>(std::min(value, limit - 1));
}

double parse_lenient_double(std::string_view text) {
    std::size_t i = skip_blanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t mantissa_start = i;
    std::size_t end = skip_digits(text, i);
    std::size_t digits = end - i;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fraction_end = skip_digits(text, end + 1);
        digits += fraction_end - (end + 1);
        end = fraction_end;
    }
    if (digits == 0) return 0.0;
    // An exponent counts only with at least one digit; "1e" and "1e+" stop before the e.
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t j = end + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponent_end = skip_digits(text, j);
        if (exponent_end > j) end = exponent_end;
    }
    // The prefix holds only digits, one point and an exponent, which from_chars reads
    // the same in every locale.
    double value = 0.0;
    const char* first = text.data() + mantissa_start;
    const std::from_chars_result result = std::from_chars(first, text.data() + end, value);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0.0;
    return negative ? -value : value;
}
