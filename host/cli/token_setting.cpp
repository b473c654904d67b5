// A simulator token set from the command line: "0x3D=54" or "61=54".
#include "token_setting.h"

#include <charconv>
#include <stdexcept>

TokenSetting parse_token_setting(const std::string& text) {
    auto equals = text.find('=');
    if (equals == std::string::npos) throw std::invalid_argument("expected TOKEN=VALUE, got \"" + text + "\"");
    std::string token_text = text.substr(0, equals);
    std::string value_text = text.substr(equals + 1);
    int base = 10;
    if (token_text.rfind("0x", 0) == 0 || token_text.rfind("0X", 0) == 0) {
        token_text = token_text.substr(2);
        base = 16;
    }
    TokenSetting setting{};
    auto [token_end, token_error] =
        std::from_chars(token_text.data(), token_text.data() + token_text.size(), setting.token, base);
    auto [value_end, value_error] =
        std::from_chars(value_text.data(), value_text.data() + value_text.size(), setting.value);
    if (token_text.empty() || token_error != std::errc() || token_end != token_text.data() + token_text.size())
        throw std::invalid_argument("bad token number in \"" + text + "\"");
    if (value_text.empty() || value_error != std::errc() || value_end != value_text.data() + value_text.size())
        throw std::invalid_argument("bad value in \"" + text + "\"");
    return setting;
}
