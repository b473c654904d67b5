// The distance row and the five-character readout of the LCD.
#include "lcd_readouts.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "frame/remembered_format.h"

namespace {

constexpr DistTexts DIST_DASHES = {"---", ".", "-"};

// Splits a five-character "ddd.d" text into the places; any other length, which would
// put other characters in the places, shows dashes.
DistTexts split_five(const char* text) {
    if (std::strlen(text) != 5) return DIST_DASHES;
    DistTexts texts = {{text[0], text[1], text[2], '\0'}, ".", {text[4], '\0'}};
    return texts;
}

// The row shows the distance or the pressure; each changes seldom and keeps its text.
DistTexts format_places(double value, RememberedFormat& format) {
    // A value this large never fits; the limit also keeps the text short.
    if (!std::isfinite(value) || std::fabs(value) >= 1e6) return DIST_DASHES;
    return split_five(format.text(value));
}

double height_in_unit(const ComputerState& state, double metres) {
    return state.units_mode >= 0 && state.units_mode <= 1 ? metres * FEET_PER_METRE : metres;
}

// The readout's value for the page, as a double; NaN stands for "no value on this page".
double alt_readout_value(const ComputerState& state) {
    switch (state.page) {
    case PAGE_START:
    case PAGE_ALTIMETER:
    case PAGE_WIND: return state.altitude;
    case PAGE_MACCREADY: {
        const double required = height_in_unit(state, state.required_altitude);
        return state.altitude_mode == 1 ? state.altitude - required : required;
    }
    case PAGE_GOAL_ALT: return height_in_unit(state, state.goal_elevation + state.goal_height);
    case PAGE_ELEVATION: return height_in_unit(state, state.goal_elevation);
    case PAGE_GOAL_HEIGHT: return height_in_unit(state, state.goal_height);
    case PAGE_COMPENSATION: return state.compensation;
    default: return std::numeric_limits<double>::quiet_NaN();
    }
}

bool shows_a_value(int32_t page) {
    return page == PAGE_START || (page >= PAGE_ALTIMETER && page <= PAGE_COMPENSATION);
}

}  // namespace

bool dist_row_shown(const ComputerState& state) { return state.power_on && state.show_dist; }

DistTexts distance_texts(const ComputerState& state) {
    double distance = state.goal_distance;
    if (state.units_mode == 0) distance /= 1.852;
    static RememberedFormat distance_format("%5.1f");
    return format_places(distance, distance_format);
}

DistTexts pressure_texts(const ComputerState& state, double pressure_mbar) {
    double pressure = pressure_mbar;
    if (state.units_mode == 0) pressure *= INHG_PER_MBAR;
    if (pressure > 1000) pressure -= 1000;
    static RememberedFormat pressure_format("%05.1f");
    return format_places(pressure, pressure_format);
}

bool alt_readout_shown(const ComputerState& state) { return state.power_on && state.show_alt; }

bool alt_readout_shows_altitude(const ComputerState& state) {
    return state.page == PAGE_START || state.page == PAGE_ALTIMETER || state.page == PAGE_WIND;
}

std::string alt_readout_text(const ComputerState& state) {
    if (!shows_a_value(state.page)) return "";
    const double value = alt_readout_value(state);
    // The readout holds its value in single precision; one beyond that range, or beyond
    // five characters, does not fit.
    if (!std::isfinite(value) || std::fabs(value) >= 1e6) return "-----";
    const float shown = float(value);
    char text[32];
    std::snprintf(text, sizeof text, state.page == PAGE_COMPENSATION ? "%5.1f" : "%5.0f", double(shown));
    if (std::strlen(text) > 5) return "-----";
    return text;
}
