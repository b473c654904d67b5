// The MacCready speed to fly and the final glide to the goal.
#pragma once

#include <cstdint>

#include "computer_state.h"

// The unaveraged speed to fly [km/h] for an air-mass climb rate x [m/s] and the
// MacCready setting: the signed square root of k, the truncated square of the speed.
// In strong lift k is negative and so is the result; the speed command shows that as
// "pull" as hard as it goes.
double raw_speed_to_fly(const ComputerState& state, double x);

// The speed of the final glide [km/h]: the speed to fly, but never below the speed of
// least sink, where a slower glide only loses more height.
double glide_speed(const ComputerState& state);

// Sets goal_altitude, required_altitude and goal_reachable from speed_to_fly, wind
// [km/h, head wind positive], goal_distance [km], goal_elevation and goal_height [m].
// The wind slows the glide over the ground: ground speed = glide speed - wind.
void compute_final_glide(ComputerState& state);

// The second half of the air-data computation: x = te_vario - polar_sink, the averaged
// speed to fly, its sink, and the final glide.
void compute_glide(ComputerState& state);
