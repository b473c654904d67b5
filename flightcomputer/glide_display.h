// The PULL/PUSH speed command, the glide bar and its index marks.
#pragma once

#include <cstdint>

#include "computer_state.h"

// Picture of the speed-command column: 0 blank (off or not shown), 1 to 4 PULL with 4
// to 1 bars, 5 the centre line, 6 to 9 PUSH with 1 to 4 bars, from speed_to_fly -
// airspeed in 5 km/h steps. A difference that is not a number shows PULL, 4 bars.
int32_t speed_command_picture(const ComputerState& state);

// Largest offset of the glide bar either way [m].
constexpr double GLIDE_BAR_LIMIT_M = 500.0;

struct GlideBar {
    bool shown;
    double offset_m;  // altitude missing (positive) or to spare (negative), -500 to 500
};

// The glide bar: required_altitude minus the altitude (converted from feet in units
// modes 0 and 1, so the bar means the same in every mode), limited to +-500 m; pinned
// at 500 (missing) when the goal cannot be reached; hidden while off, not shown, or
// when the altitude is not a number.
GlideBar glide_bar(const ComputerState& state);

// The index marks beside the glide bar: 1 while the bar is meant to show, else 0.
int32_t glide_bar_index_picture(const ComputerState& state);
