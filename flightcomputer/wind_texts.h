// The title texts of the wind page and the MacCready page.
#pragma once

#include <string>

#include "computer_state.h"

// "HW" for a head wind (wind > 0), else "TW", the wind's size as "%4.1f" (knots in units
// mode 0, else km/h), and " A" with a valid navigation file, " M" without: "HW12.3 A".
// A size above 99.9, or not a number, shows "--.-".
std::string wind_title(const ComputerState& state);

// "Mc" and the MacCready setting with one decimal, then " HW" or " TW" and the wind's
// size rounded to whole units, as in "Mc1.5 HW12". A wind of three digits or more, or
// not a number, shows "--" in its two places.
std::string maccready_title(const ComputerState& state);
