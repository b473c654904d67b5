// The head-wind component: airspeed minus the navigation file's ground speed, averaged.
#pragma once

#include <cstdint>

#include "computer_state.h"

// Highest airspeed the wind uses [km/h].
constexpr double WIND_AIRSPEED_LIMIT_KMH = 999.0;

// Stores the airspeed in wind_airspeed (at most 999 km/h) and, when more than 100 ms
// have passed since the last wind step, averages wind_airspeed - ground_speed into wind.
void update_wind(ComputerState& state, int32_t now_ms, double airspeed_knots);
