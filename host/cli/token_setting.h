// A simulator token set from the command line: "0x3D=54" or "61=54".
#pragma once

#include <cstdint>
#include <string>

struct TokenSetting {
    uint32_t token;
    double value;
};

// A token number, decimal or hexadecimal, "=", and a value. Throws
// std::invalid_argument naming the text for anything else.
TokenSetting parse_token_setting(const std::string& text);
