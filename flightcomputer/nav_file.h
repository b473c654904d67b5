// The navigation file "GPSNAV.QVD": goal elevation, goal distance and ground speed from
// the navigation program.
#pragma once

#include "computer_state.h"

constexpr const char* NAV_FILE_NAME = "GPSNAV.QVD";

// Reads "GPSNAV.QVD" in the current directory from its start, creating it empty when it
// is missing. The file is valid when its first line (at most 11 characters) contains a
// "1"; then lines 2, 3 and 6 give goal_elevation [m], goal_distance [km] and
// ground_speed [km/h], each as the number at the line's start (0.0 when there is none),
// a line past the file's end repeating the last line read. Otherwise, or when the file
// can be neither opened nor created, nav_valid is 0 and those three and the wind become
// 0.0. Reads at most six short lines, however large the file.
void read_nav_file(ComputerState& state);
