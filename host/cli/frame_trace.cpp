// Formatting trace rows: fixed number formats so that the same run gives the same bytes.
#include "frame_trace.h"

#include <cinttypes>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace {

void add_number(std::string& row, double value, const char* format = "%.4f") {
    char text[48];
    if (std::isnan(value)) std::snprintf(text, sizeof text, "nan");
    else std::snprintf(text, sizeof text, format, value);
    row += ',';
    row += text;
}

// A text as a CSV field: quoted, quotes doubled, bytes outside printable ASCII as \xNN.
void add_text(std::string& row, const char* text, size_t length) {
    row += ",\"";
    for (size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"') row += "\"\"";
        else if (c >= 0x20 && c < 0x7F && c != '\\') row += char(c);
        else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            row += escaped;
        }
    }
    row += '"';
}

// The columns an element adds after its hidden flag, by kind.
std::vector<const char*> element_columns(uint32_t element_type) {
    switch (element_type) {
        case ELEMENT_TYPE_NEEDLE: return {"angle"};
        case ELEMENT_TYPE_STRING: return {"text"};
        case ELEMENT_TYPE_ICON: return {"picture"};
        case ELEMENT_TYPE_SLIDER: return {"x", "y"};
        case ELEMENT_TYPE_SPRITE: return {"x", "y", "rotation"};
        default: return {};
    }
}

void add_element(std::string& row, const ElementState& state) {
    row += (state.record->image_flags & IMAGE_HIDDEN) ? ",1" : ",0";
    switch (state.record->element_type) {
        case ELEMENT_TYPE_NEEDLE: add_number(row, state.angle); break;
        case ELEMENT_TYPE_STRING: {
            const auto& string = *reinterpret_cast<const ELEMENT_STRING*>(state.record);
            const char* text = string.string;
            const uint32_t limit = string.max_string_length;
            if (text == nullptr) add_text(row, "", 0);
            else add_text(row, text, strnlen(text, limit));
            break;
        }
        case ELEMENT_TYPE_ICON: row += ',' + std::to_string(state.picture); break;
        case ELEMENT_TYPE_SLIDER:
            add_number(row, state.offset_x);
            add_number(row, state.offset_y);
            break;
        case ELEMENT_TYPE_SPRITE:
            add_number(row, state.offset_x);
            add_number(row, state.offset_y);
            add_number(row, state.rotation);
            break;
        default: break;
    }
}

}  // namespace

FrameTrace::FrameTrace(const std::filesystem::path& path) : path_(path) {
    file_ = std::fopen(path.string().c_str(), "wb");
    if (file_ == nullptr) throw std::runtime_error("cannot write " + path.string());
}

FrameTrace::~FrameTrace() {
    if (file_ != nullptr) std::fclose(file_);
}

void FrameTrace::write_header(const std::vector<TracedGauge>& gauges) {
    std::string header =
        "time_s,phase,east_m,north_m,altitude_m,ias_kmh,true_airspeed_ms,vertical_speed_ms,air_rising_ms,"
        "heading_deg,bank_deg,pitch_deg,ground_speed_kmh,goal_distance_km,required_altitude_m";
    for (const TracedGauge& traced : gauges) {
        const auto& elements = traced.gauge->chain().elements();
        for (size_t i = 0; i < elements.size(); ++i) {
            const std::string prefix = "," + traced.module + "." + std::to_string(i) + ".";
            const std::string kind = element_type_name(elements[i].record->element_type);
            header += prefix + "hidden";
            for (const char* column : element_columns(elements[i].record->element_type))
                header += prefix + (kind == "needle" || kind == "string" || kind == "icon" ? "" : kind + "_") + column;
        }
    }
    header += ",events\n";
    std::fputs(header.c_str(), file_);
}

void FrameTrace::write_row(int64_t time_ms, const GliderFlight& flight, const std::vector<TracedGauge>& gauges,
                           const std::vector<SentEvent>& events) {
    if (!header_written_) {
        write_header(gauges);
        header_written_ = true;
    }
    const GliderState& g = flight.glider;
    const Task& task = flight.pilot.task;
    row_.clear();
    char time[32];
    std::snprintf(time, sizeof time, "%" PRId64 ".%03" PRId64, time_ms / 1000, time_ms % 1000);
    row_ += time;
    row_ += ',';
    row_ += flight.pilot_on ? pilot_phase_name(flight.pilot.phase()) : "pilot-off";
    add_number(row_, g.position_m.east, "%.2f");
    add_number(row_, g.position_m.north, "%.2f");
    add_number(row_, g.altitude_m, "%.3f");
    add_number(row_, flight.indicated_airspeed_kmh(), "%.3f");
    add_number(row_, g.true_airspeed_ms, "%.3f");
    add_number(row_, g.vertical_speed_ms);
    add_number(row_, g.air_rising_ms);
    add_number(row_, g.heading_deg, "%.2f");
    add_number(row_, g.bank_deg, "%.2f");
    add_number(row_, g.pitch_deg, "%.2f");
    add_number(row_, length(g.ground_velocity_ms) * 3.6, "%.3f");
    add_number(row_, length(task.goal_m - g.position_m) / 1000.0, "%.4f");
    add_number(row_, required_altitude_m(g, task, flight.air, flight.polar, flight.pilot.maccready_ms), "%.2f");
    for (const TracedGauge& traced : gauges)
        for (const ElementState& state : traced.gauge->chain().elements()) add_element(row_, state);
    // "gauge:event=value" for each event sent, separated by semicolons.
    row_ += ",\"";
    for (size_t i = 0; i < events.size(); ++i) {
        char event[64];
        std::snprintf(event, sizeof event, "%s0x%X=%u", i ? ";" : "", events[i].event_id, events[i].value);
        row_ += events[i].gauge_name + ":" + event;
    }
    row_ += "\"\n";
    if (std::fputs(row_.c_str(), file_) < 0) throw std::runtime_error("cannot write " + path_.string());
}

void FrameTrace::flush() {
    if (std::fflush(file_) != 0) throw std::runtime_error("cannot write " + path_.string());
}
