// The power knob and the readings of altitude, units mode and clock it relies on.
#pragma once

#include <cstdint>

#include "computer_state.h"

// Highest altitude the computer keeps, in the altitude token's unit.
constexpr double ALTITUDE_LIMIT = 9999.0;

// Stores the altitude token (at most 9999) and the units token truncated toward zero.
void store_altitude_and_units(ComputerState& state, double altitude, double units);

// hours x 3600 + minutes x 60 + seconds, each truncated toward zero first.
int32_t clock_seconds_from(double hours, double minutes, double seconds);

// Switches off when on: power, page and the shown items go to 0, except show_diff
// and the two scale marks, which keep their values for the next switch-on. Switches
// on when off: the intro page, and the flight clock starts at clock_seconds.
void toggle_power(ComputerState& state, int32_t now_ms, int32_t clock_seconds);
