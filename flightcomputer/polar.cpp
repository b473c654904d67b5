// The glider polar: sink at an airspeed, and the speed of least sink.
#include "polar.h"

#include <cmath>

double polar_q(const ComputerState& state) {
    return std::sqrt(state.glider_mass / state.wing_area * 9.81);
}

double polar_vertical_speed(const ComputerState& state, double airspeed_kmh) {
    const double q = polar_q(state);
    return state.polar_a * airspeed_kmh * airspeed_kmh / q + state.polar_b * airspeed_kmh +
           state.polar_c * q;
}

double min_sink_speed(const ComputerState& state) {
    return -state.polar_b * polar_q(state) / (2.0 * state.polar_a);
}
