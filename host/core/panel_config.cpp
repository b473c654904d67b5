// The panel configuration parser: sections, key=value lines and the gauge lines of windows.
#include "panel_config.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

#include "host_error.h"

namespace {

// Larger files are no panel configuration; refusing them keeps a stray path harmless.
constexpr std::uintmax_t MAX_FILE_BYTES = 1 << 20;

std::string_view trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return result;
}

bool all_digits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// Shown in messages: a bad value as it stood, cut short when it is long.
std::string shown_as(std::string_view text) {
    constexpr std::size_t shown = 60;
    std::string result = "\"" + std::string(text.substr(0, shown));
    return result + (text.size() > shown ? "...\"" : "\"");
}

class ConfigParser {
public:
    explicit ConfigParser(const std::string& file) { config_.file = file; }

    PanelConfig parse(std::string_view text) {
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a UTF-8 byte order mark
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            ++line_;
            parse_line(trim(text.substr(start, end - start)));
            start = end + 1;
        }
        finish_window();
        if (config_.windows.empty()) fail(0, "no [WindowNN] section");
        return std::move(config_);
    }

private:
    [[noreturn]] void fail(int line, const std::string& what) const {
        throw HostError(config_.file + (line > 0 ? ":" + std::to_string(line) : "") + ": " + what);
    }

    void parse_line(std::string_view line) {
        if (line.empty() || line.substr(0, 2) == "//" || line.front() == ';') return;
        if (line.front() == '[') return open_section(line);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) fail(line_, "expected KEY=VALUE or [SECTION], got " + shown_as(line));
        if (!in_section_) fail(line_, "KEY=VALUE before the first [SECTION]");
        if (window_ == nullptr) return;  // a section this host has no use for
        set_window_key(lower(trim(line.substr(0, equals))), trim(line.substr(equals + 1)));
    }

    void open_section(std::string_view line) {
        if (line.back() != ']') fail(line_, "section header without its closing ]: " + shown_as(line));
        const std::string_view name = trim(line.substr(1, line.size() - 2));
        finish_window();
        in_section_ = true;
        const std::string key = lower(name);
        if (key.rfind("window", 0) != 0 || !all_digits(std::string_view(key).substr(6))) return;
        for (const PanelWindow& window : config_.windows)
            if (lower(window.section) == key) fail(line_, "[" + std::string(name) + "] appears a second time");
        config_.windows.push_back({std::string(name), 0, 0, {}, line_});
        window_ = &config_.windows.back();
        gauge_numbers_.clear();
    }

    // Checks the window that ends here and puts its gauges in drawing order.
    void finish_window() {
        if (window_ == nullptr) return;
        if (window_->width == 0) fail(window_->line, "[" + window_->section + "] has no size_mm=WIDTH,HEIGHT line");
        std::vector<PanelGaugeEntry> ordered;
        for (const auto& [number, index] : gauge_numbers_) ordered.push_back(window_->gauges[index]);
        window_->gauges = std::move(ordered);
        window_ = nullptr;
    }

    void set_window_key(const std::string& key, std::string_view value) {
        if (key == "size_mm") {
            const std::vector<std::string_view> fields = split(value);
            if (fields.size() != 2) fail(line_, "size_mm needs WIDTH,HEIGHT, got " + shown_as(value));
            window_->width = positive_number(fields[0], "size_mm width");
            window_->height = positive_number(fields[1], "size_mm height");
        } else if (key.rfind("gauge", 0) == 0 && all_digits(std::string_view(key).substr(5))) {
            add_gauge(key, value);
        }
    }

    void add_gauge(const std::string& key, std::string_view value) {
        const std::string digits = key.substr(5);
        const int number = digits.size() > 6 ? -1 : std::stoi(digits);
        if (number < 0) fail(line_, "gauge number too long: " + shown_as(key));
        if (gauge_numbers_.count(number) != 0) fail(line_, key + " appears a second time in [" + window_->section + "]");

        const std::vector<std::string_view> fields = split(value);
        if (fields.size() < 3 || fields.size() > 5)
            fail(line_, key + " needs MODULE!GAUGE NAME, X, Y[, WIDTH[, HEIGHT]], got " + shown_as(value));
        PanelGaugeEntry entry;
        entry.line = line_;
        const std::size_t bang = fields[0].find('!');
        if (bang == std::string_view::npos) fail(line_, key + ": expected MODULE!GAUGE NAME, got " + shown_as(fields[0]));
        entry.module = std::string(trim(fields[0].substr(0, bang)));
        entry.gauge_name = std::string(trim(fields[0].substr(bang + 1)));
        check_module_name(key, entry.module);
        if (entry.gauge_name.empty()) fail(line_, key + ": the gauge name after ! is empty");
        entry.x = number_in(fields[1], "x");
        entry.y = number_in(fields[2], "y");
        if (fields.size() > 3) entry.width = positive_number(fields[3], "width");
        if (fields.size() > 4) entry.height = positive_number(fields[4], "height");
        gauge_numbers_[number] = window_->gauges.size();
        window_->gauges.push_back(std::move(entry));
    }

    // The module is looked up inside the modules folder, so its name must stay there.
    void check_module_name(const std::string& key, const std::string& module) const {
        if (module.empty()) fail(line_, key + ": the module name before ! is empty");
        if (module == "." || module == ".." || module.find_first_of("/\\:") != std::string::npos)
            fail(line_, key + ": a module name, not a path, is expected before !, got " + shown_as(module));
    }

    static std::vector<std::string_view> split(std::string_view text) {
        std::vector<std::string_view> fields;
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = text.find(',', start);
            fields.push_back(trim(text.substr(start, comma == std::string_view::npos ? comma : comma - start)));
            if (comma == std::string_view::npos) return fields;
            start = comma + 1;
        }
    }

    int number_in(std::string_view text, const char* what) const {
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        const bool whole = !text.empty() && end == text.data() + text.size();
        if (error == std::errc::invalid_argument || (error == std::errc() && !whole))
            fail(line_, std::string(what) + " must be a whole number, got " + shown_as(text));
        // Panels are a few thousand pixels; far larger values could only overflow later sums.
        if (error != std::errc() || value < -100000 || value > 100000)
            fail(line_, std::string(what) + " is out of range: " + shown_as(text));
        return value;
    }

    int positive_number(std::string_view text, const char* what) const {
        const int value = number_in(text, what);
        if (value <= 0) fail(line_, std::string(what) + " must be greater than 0, got " + shown_as(text));
        return value;
    }

    PanelConfig config_;
    PanelWindow* window_ = nullptr;
    bool in_section_ = false;
    std::map<int, std::size_t> gauge_numbers_;  // gauge number -> index in window_->gauges
    int line_ = 0;
};

}  // namespace

PanelConfig parse_panel_config(std::string_view text, const std::string& file) { return ConfigParser(file).parse(text); }

PanelConfig read_panel_config(const std::filesystem::path& path) {
    const std::string name = path.string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) throw HostError(name + ": no such panel configuration file");
    if (std::filesystem::file_size(path, error) > MAX_FILE_BYTES)
        throw HostError(name + ": too large for a panel configuration");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) throw HostError(name + ": cannot read the file");
    return parse_panel_config(text.str(), name);
}
