// Needle angles: a table's rows turned into directions from the pivot, a value turned
// into an angle along them, and the per-update turn limit. Angles are degrees clockwise
// on the screen from +x.
#pragma once

#include <cstddef>
#include <vector>

#include "frame/gauge_frame.h"

// Each row's direction from the pivot; consecutive rows are joined the short way round,
// so a spiral scale winds on past 360.
std::vector<double> table_degrees(PIXPOINT pivot, const NONLINEARITY* rows, size_t row_count);

// The angle for a value: linear between rows, the end row's angle beyond either end.
double table_angle(const NONLINEARITY* rows, const std::vector<double>& degrees, double value);

// The needle's next angle on its way from current to goal; a limit of 0 means none.
double limit_turn(double current, double goal, int max_degrees_per_tick);
