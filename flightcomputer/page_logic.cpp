// The page logic of the title line: what each page shows, its title, and the intro.
#include "page_logic.h"

#include "flight_time.h"
#include "wind_texts.h"

namespace {

using Flag = int32_t ComputerState::*;
using Setting = int32_t ComputerState::*;

constexpr Flag SPEED = &ComputerState::show_speed_command;
constexpr Flag NET = &ComputerState::show_net;
constexpr Flag AVG = &ComputerState::show_avg;
constexpr Flag DIST = &ComputerState::show_dist;
constexpr Flag ALT = &ComputerState::show_alt;
constexpr Flag REQ = &ComputerState::show_req;
constexpr Flag DIFF = &ComputerState::show_diff;
constexpr Flag BAR = &ComputerState::show_glide_bar;
constexpr Flag HALF = &ComputerState::show_scale_half;
constexpr Flag DOUBLE = &ComputerState::show_scale_double;

// A row applies on its page, and when it names a setting, only while that setting has
// the row's value. Unused slots of on and off are null.
struct PageFlags {
    int32_t page;
    Setting when;
    int32_t value;
    Flag on[7];
    Flag off[7];
};

constexpr PageFlags PAGE_FLAGS[] = {
    {PAGE_START, nullptr, 0, {ALT}, {}},
    {PAGE_FLIGHT_TIME, nullptr, 0, {}, {AVG, DIST, ALT}},
    {PAGE_ALTIMETER, nullptr, 0, {AVG, DIST, ALT}, {SPEED, NET, REQ, BAR}},
    {PAGE_WIND, nullptr, 0, {SPEED, NET, AVG, DIST, ALT, BAR}, {REQ, DIFF}},
    {PAGE_MACCREADY, nullptr, 0, {SPEED, NET, AVG, DIST, BAR}, {}},
    {PAGE_MACCREADY, &ComputerState::altitude_mode, 1, {DIFF}, {REQ}},
    {PAGE_MACCREADY, &ComputerState::altitude_mode, 2, {REQ}, {DIFF}},
    {PAGE_GOAL_ALT, nullptr, 0, {}, {SPEED, NET, AVG, DIST, REQ, DIFF, BAR}},
    {PAGE_COMPENSATION, nullptr, 0, {ALT}, {}},
    {PAGE_VARIO_FILTER, nullptr, 0, {}, {ALT}},
    {PAGE_VARIO_SCALE, &ComputerState::vario_scale, 1, {HALF}, {DOUBLE}},
    {PAGE_VARIO_SCALE, &ComputerState::vario_scale, 2, {}, {HALF, DOUBLE}},
    {PAGE_VARIO_SCALE, &ComputerState::vario_scale, 3, {DOUBLE}, {HALF}},
};

// Titles chosen by a setting's value, 1 to 3; a value outside leaves the title.
const char* named(int32_t value, const char* const (&names)[3]) {
    return value >= 1 && value <= 3 ? names[value - 1] : nullptr;
}

constexpr const char* FILTER_NAMES[3] = {"Fast Vario", "Std. Vario", "Slow Vario"};
constexpr const char* SCALE_NAMES[3] = {"Scale: x.5", "Scale: x 1", "Scale: x 2"};
constexpr const char* ALT_MODE_NAMES[3] = {"Alt.Diff.", "Alt.Req.", nullptr};

}  // namespace

void set_page_flags(ComputerState& state) {
    for (const PageFlags& row : PAGE_FLAGS) {
        if (row.page != state.page) continue;
        if (row.when != nullptr && state.*row.when != row.value) continue;
        for (Flag flag : row.on)
            if (flag != nullptr) state.*flag = 1;
        for (Flag flag : row.off)
            if (flag != nullptr) state.*flag = 0;
    }
}

std::optional<std::string> page_title(ComputerState& state, int32_t now_ms) {
    const char* fixed = nullptr;
    switch (state.page) {
    case PAGE_INTRO:
        // Differences of the wrapping module clock, taken as unsigned, never run backwards.
        if (uint32_t(now_ms) - uint32_t(state.switch_on_ms) < uint32_t(INTRO_MS))
            return "T-KOR FS98";
        state.page = PAGE_START;
        return std::nullopt;
    case PAGE_START:
    case PAGE_ALTIMETER: fixed = "Altimeter"; break;
    case PAGE_FLIGHT_TIME: return flight_time_title(state.flight_seconds);
    case PAGE_WIND: return wind_title(state);
    case PAGE_MACCREADY: return maccready_title(state);
    case PAGE_GOAL_ALT: fixed = "Goal Alt."; break;
    case PAGE_ELEVATION: fixed = "Elevation"; break;
    case PAGE_GOAL_HEIGHT: fixed = "Goal Hgt."; break;
    case PAGE_COMPENSATION: fixed = "Compensat"; break;
    case PAGE_VARIO_FILTER: fixed = named(state.vario_filter, FILTER_NAMES); break;
    case PAGE_VARIO_SCALE: fixed = named(state.vario_scale, SCALE_NAMES); break;
    case PAGE_ALT_MODE: fixed = named(state.altitude_mode, ALT_MODE_NAMES); break;
    default: break;
    }
    if (fixed == nullptr) return std::nullopt;
    return fixed;
}
