// The PULL/PUSH speed command, the glide bar and its index marks.
#include "glide_display.h"

#include <algorithm>
#include <cmath>

int32_t speed_command_picture(const ComputerState& state) {
    if (!state.power_on || !state.show_speed_command) return 0;
    const double d = state.speed_to_fly - state.airspeed;  // [km/h], positive: fly faster
    if (std::isnan(d) || d <= -20.0) return 1;
    if (d < -15.0) return 2;
    if (d < -10.0) return 3;
    if (d < -5.0) return 4;
    if (d < 5.0) return 5;
    if (d < 10.0) return 6;
    if (d < 15.0) return 7;
    if (d < 20.0) return 8;
    return 9;
}

GlideBar glide_bar(const ComputerState& state) {
    if (!state.power_on || !state.show_glide_bar) return {false, 0.0};
    if (!state.goal_reachable) return {true, GLIDE_BAR_LIMIT_M};
    const bool in_feet = state.units_mode >= 0 && state.units_mode <= 1;
    const double altitude_m = in_feet ? state.altitude * 0.3048 : state.altitude;
    const double diff = state.required_altitude - altitude_m;
    if (std::isnan(diff)) return {false, 0.0};
    return {true, std::clamp(diff, -GLIDE_BAR_LIMIT_M, GLIDE_BAR_LIMIT_M)};
}

int32_t glide_bar_index_picture(const ComputerState& state) {
    return state.power_on && state.show_glide_bar ? 1 : 0;
}
