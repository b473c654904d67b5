// The airspeed indicator's needle callback and the limit it applies.
#pragma once

#include "frame/gauge_frame.h"

// Airspeed in knots as the needle shows it: no more than 300 km/h, no lower limit.
double asi_limit_knots(double knots);

FLOAT64 GAUGE_CALL asi_needle_cb(MODULE_VAR* airspeed);
