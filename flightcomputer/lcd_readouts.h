// The distance row and the five-character readout of the LCD.
#pragma once

#include <string>

#include "computer_state.h"

// The distance row's three places, each ended by a zero.
struct DistTexts {
    char whole[4];   // three characters, " 25"
    char point[2];   // "."
    char tenths[2];  // one digit
};

// Inches of mercury per millibar (hectopascal): 1013.25 mbar is 29.92 inHg.
constexpr double INHG_PER_MBAR = 0.0295300;

// Feet per metre, for the heights in units modes 0 and 1.
constexpr double FEET_PER_METRE = 3.280839895013123;

// Whether the distance row shows something: on and show_dist.
bool dist_row_shown(const ComputerState& state);

// The goal distance as "%5.1f" in places, in nautical miles in units mode 0, else km:
// 25.0 km gives " 25", "." and "0".
DistTexts distance_texts(const ComputerState& state);

// The altimeter pressure setting as "%05.1f" in places, in inches of mercury in units
// mode 0, else millibars without the thousands: 1013.2 mbar gives "013", "." and "2",
// 1013.25 mbar in mode 0 gives "029", "." and "9".
DistTexts pressure_texts(const ComputerState& state, double pressure_mbar);

// Whether the five-character readout shows something: on and show_alt; on the pages of
// the altitude the caller samples the altitude and units first.
bool alt_readout_shown(const ComputerState& state);

// The five-character readout of the current page: the altitude (pages 2, 19, 20), the
// altitude difference or required altitude (21), goal altitude (22), goal elevation
// (23), goal height (24), in feet in units modes 0 and 1, as "%5.0f"; the compensation
// (25) as "%5.1f"; empty on other pages. A value that five characters cannot hold, or
// not a number, shows "-----".
std::string alt_readout_text(const ComputerState& state);

// Whether alt_readout_text shows the altitude token on this page.
bool alt_readout_shows_altitude(const ComputerState& state);
