// The probe: load one module, set tokens, run frames, and print what every element shows.
#include "probe.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "host/sim/aircraft.h"
#include "work_directory.h"

namespace {

// %.17g: enough digits that a number reads back exactly, whichever C library prints it.
// C libraries differ in how they print a NaN's sign, so every NaN is "nan".
std::string number(double value) {
    if (std::isnan(value)) return "nan";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

// Quoted, with every byte outside printable ASCII (and the quote and backslash) escaped.
std::string quoted(const char* text, size_t length) {
    std::string out = "\"";
    for (size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += char(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out + "\"";
}

std::string type_word(uint32_t element_type) {
    std::string word = element_type_name(element_type);
    for (char& c : word)
        if (c == ' ') c = '_';
    return word;
}

// What the element shows beyond its value, by kind.
std::string shown(const ElementState& state) {
    switch (state.record->element_type) {
        case ELEMENT_TYPE_NEEDLE: return " angle=" + number(state.angle);
        case ELEMENT_TYPE_STRING: {
            const auto& string = *reinterpret_cast<const ELEMENT_STRING*>(state.record);
            const char* text = string.string;
            const uint32_t limit = string.max_string_length;
            return " text=" + (text == nullptr ? std::string("none") : quoted(text, strnlen(text, limit)));
        }
        case ELEMENT_TYPE_ICON: return " picture=" + std::to_string(state.picture);
        case ELEMENT_TYPE_SLIDER: return " offset=" + number(state.offset_x) + "," + number(state.offset_y);
        case ELEMENT_TYPE_SPRITE:
            return " offset=" + number(state.offset_x) + "," + number(state.offset_y) +
                   " rotation=" + number(state.rotation);
        default: return "";
    }
}

}  // namespace

void write_probe_report(std::ostream& out, const Panel& panel, const GaugeInstance& gauge) {
    out << "gauge " << quoted(gauge.gauge_name().c_str(), gauge.gauge_name().size()) << "\n";
    const auto& elements = gauge.chain().elements();
    for (size_t i = 0; i < elements.size(); ++i) {
        const ElementState& state = elements[i];
        out << "element " << i << " " << type_word(state.record->element_type) << " "
            << hex(state.record->resource_id) << " hidden=" << ((state.record->image_flags & IMAGE_HIDDEN) ? 1 : 0)
            << " value=" << number(state.value) << shown(state) << "\n";
    }
    for (const SentEvent& event : panel.sent_events())
        out << "event " << hex(event.event_id) << " value=" << event.value << " time=" << event.time_ms << "\n";
}

void run_probe(const std::string& module, const std::vector<TokenSetting>& settings, int frames,
               const std::string& workdir, std::ostream& out) {
    const auto module_path = std::filesystem::absolute(module).string();
    WorkDirectory directory(workdir);
    SimClock clock;
    Aircraft aircraft(clock);
    for (const auto& setting : settings) aircraft.set(setting.token, setting.value);
    Panel panel(aircraft, clock);
    GaugeInstance& gauge = panel.load_gauge(module_path);
    panel.run_frames(frames);
    write_probe_report(out, panel, gauge);
}
