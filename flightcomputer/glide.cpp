// The MacCready speed to fly and the final glide to the goal.
#include "glide.h"

#include <algorithm>
#include <cmath>

#include "frame/moving_average.h"
#include "polar.h"
#include "truncate.h"

double raw_speed_to_fly(const ComputerState& state, double x) {
    const double q = polar_q(state);
    const int32_t k =
        truncate_to_int32((state.polar_c * q + x - state.mac_cready) / (state.polar_a / q));
    return k >= 0 ? std::sqrt(double(k)) : -std::sqrt(-double(k));
}

double glide_speed(const ComputerState& state) {
    // std::max keeps the least-sink speed when speed_to_fly is NaN.
    return std::max(min_sink_speed(state), state.speed_to_fly);
}

namespace {

// No altitude will do: required_altitude keeps a finite stand-in that nothing shows.
void mark_unreachable(ComputerState& state) {
    state.required_altitude = std::isfinite(state.goal_altitude) ? state.goal_altitude : 0.0;
    state.goal_reachable = 0;
}

}  // namespace

void compute_final_glide(ComputerState& state) {
    state.goal_altitude = state.goal_elevation + state.goal_height;
    if (!std::isfinite(state.goal_altitude)) return mark_unreachable(state);
    if (state.goal_distance <= 0.0) {  // over the goal already
        state.required_altitude = state.goal_altitude;
        state.goal_reachable = 1;
        return;
    }
    const double speed = glide_speed(state);
    const double ground_speed = speed - state.wind;
    const double loss =
        state.goal_distance / ground_speed * 3600.0 * std::fabs(polar_vertical_speed(state, speed));
    const double required = loss + state.goal_altitude;
    // Written as a negation so a NaN ground speed counts as unreachable too.
    if (!(ground_speed > 0.0) || !std::isfinite(required)) return mark_unreachable(state);
    state.required_altitude = required;
    state.goal_reachable = 1;
}

void compute_glide(ComputerState& state) {
    const double x = state.te_vario - state.polar_sink;
    state.speed_to_fly = moving_average(state.stf_history, raw_speed_to_fly(state, x));
    state.sink_at_speed_to_fly = polar_vertical_speed(state, state.speed_to_fly);
    compute_final_glide(state);
}
