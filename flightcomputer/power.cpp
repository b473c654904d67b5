// The power knob and the readings of altitude, units mode and clock it relies on.
#include "power.h"

#include "truncate.h"

void store_altitude_and_units(ComputerState& state, double altitude, double units) {
    state.altitude = altitude > ALTITUDE_LIMIT ? ALTITUDE_LIMIT : altitude;
    state.units_mode = truncate_to_int32(units);
}

int32_t clock_seconds_from(double hours, double minutes, double seconds) {
    // In 64 bits, so huge clock tokens cannot overflow before the final limit.
    const int64_t total = int64_t(truncate_to_int32(hours)) * 3600 +
                          int64_t(truncate_to_int32(minutes)) * 60 + truncate_to_int32(seconds);
    return truncate_to_int32(double(total));
}

void toggle_power(ComputerState& state, int32_t now_ms, int32_t clock_seconds) {
    if (state.power_on) {
        state.power_on = 0;
        state.page = PAGE_OFF;
        state.show_speed_command = 0;
        state.show_net = 0;
        state.show_avg = 0;
        state.show_dist = 0;
        state.show_alt = 0;
        state.show_req = 0;
        state.show_glide_bar = 0;
        return;
    }
    state.power_on = 1;
    state.switch_on_ms = now_ms;
    state.page = PAGE_INTRO;
    state.start_seconds = state.clock_seconds = clock_seconds;
    state.flight_seconds = 0;
}
