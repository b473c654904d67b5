// The five push buttons: GO, left and right move between pages, up and down change the
// setting the page shows.
#include "buttons.h"

namespace {

// A number stepped by repeated addition, so its value drifts from the decimal one by
// rounding; a step that passes a limit is held at the limit.
struct SteppedSetting {
    int32_t page;
    double ComputerState::*value;
    double low, high, step;
};

constexpr SteppedSetting STEPPED_SETTINGS[] = {
    {PAGE_MACCREADY, &ComputerState::mac_cready, 0.0, 4.0, 0.1},       // [m/s]
    {PAGE_GOAL_HEIGHT, &ComputerState::goal_height, 0.0, 9990.0, 10.0},  // [m]
    {PAGE_COMPENSATION, &ComputerState::compensation, 0.0, 9.9, 0.1},
};

// A choice of 1 to count that wraps around; up_adds tells which way the up button goes.
struct WrappingSetting {
    int32_t page;
    int32_t ComputerState::*value;
    int32_t count;
    bool up_adds;
};

constexpr WrappingSetting WRAPPING_SETTINGS[] = {
    {PAGE_VARIO_FILTER, &ComputerState::vario_filter, 3, false},  // up goes toward fast (1)
    {PAGE_VARIO_SCALE, &ComputerState::vario_scale, 3, true},     // up goes toward "x 2" (3)
    {PAGE_ALT_MODE, &ComputerState::altitude_mode, 2, true},
};

void step_up(ComputerState& state, const SteppedSetting& setting) {
    double& value = state.*setting.value;
    if (value < setting.high) value += setting.step;
    if (value > setting.high) value = setting.high;
}

void step_down(ComputerState& state, const SteppedSetting& setting) {
    double& value = state.*setting.value;
    if (value > setting.low) value -= setting.step;
    if (value < setting.low) value = setting.low;
}

void add_one(int32_t& value, int32_t count) { value = value < count ? value + 1 : 1; }
void subtract_one(int32_t& value, int32_t count) { value = value > 1 ? value - 1 : count; }

// Steps the page's setting up or down; returns the pressure event on the altimeter page.
uint32_t press_arrow(ComputerState& state, bool up) {
    if (state.page == PAGE_ALTIMETER) return up ? EVENT_PRESSURE_UP : EVENT_PRESSURE_DOWN;
    for (const SteppedSetting& setting : STEPPED_SETTINGS)
        if (setting.page == state.page) up ? step_up(state, setting) : step_down(state, setting);
    for (const WrappingSetting& setting : WRAPPING_SETTINGS) {
        if (setting.page != state.page) continue;
        int32_t& value = state.*setting.value;
        if (up == setting.up_adds)
            add_one(value, setting.count);
        else
            subtract_one(value, setting.count);
    }
    return 0;
}

}  // namespace

void press_go(ComputerState& state) { state.page = PAGE_WIND; }

void press_left(ComputerState& state) {
    if (state.page > PAGE_FLIGHT_TIME) state.page = state.page - 1;
}

void press_right(ComputerState& state) {
    if (state.page > PAGE_START && state.page < PAGE_ALT_MODE) state.page = state.page + 1;
}

uint32_t press_up(ComputerState& state) { return press_arrow(state, true); }
uint32_t press_down(ComputerState& state) { return press_arrow(state, false); }
