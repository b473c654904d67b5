// The glider polar: sink at an airspeed, and the speed of least sink.
#pragma once

#include "computer_state.h"

// The polar's speed scale q = sqrt(mass / wing area x 9.81); 19.5718456681 for the
// fixed polar.
double polar_q(const ComputerState& state);

// The polar's vertical speed [m/s] at airspeed_kmh, negative when sinking.
double polar_vertical_speed(const ComputerState& state, double airspeed_kmh);

// The airspeed [km/h] of least sink, -b q / (2 a); 85.5 km/h for the fixed polar.
double min_sink_speed(const ComputerState& state);
