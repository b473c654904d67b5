// The Net and Avg climb-rate readouts: whole part, point and tenths in three places.
#pragma once

#include <cstdint>

#include "computer_state.h"

// The three texts of one readout, each ended by a zero.
struct ClimbTexts {
    char whole[3];   // two characters, e.g. " 2" or "-1"
    char point[2];   // "."
    char tenths[2];  // one digit
};

// Blank: the readout is off, all three texts empty. Keep: too soon for a new step, the
// texts stay as they are. Show: a new value in texts.
enum class ReadoutAction { Blank, Keep, Show };

struct ClimbReadout {
    ReadoutAction action;
    ClimbTexts texts;
};

// Formats a climb rate [m/s] as "%4.1f" split into its places, in knots in units modes
// 0 and 1. A value that does not fit four characters (below -9.9 or above 99.9 once
// rounded) or is not a number shows dashes, "--", "." and "-", so no place ever shows
// part of a number that would read as another.
ClimbTexts format_climb_rate(double climb_ms, int32_t units_mode);

// One run of the Net readout at now_ms: blank while the computer is off or Net is not
// shown (the step time follows now_ms), else one step of its 300-sample average of
// netto when more than 100 ms have passed since the last step.
ClimbReadout step_net_readout(ComputerState& state, int32_t now_ms);

// The same for the Avg readout, averaging te_vario.
ClimbReadout step_avg_readout(ComputerState& state, int32_t now_ms);
