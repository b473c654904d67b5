// The airspeed indicator's needle callback: pins airspeeds above 300 km/h to the scale's end.
#include "asi_needle.h"

#include "asi_scale.h"

double asi_limit_knots(double knots) { return knots > ASI_MAX_KNOTS ? ASI_MAX_KNOTS : knots; }

FLOAT64 GAUGE_CALL asi_needle_cb(MODULE_VAR* airspeed) { return asi_limit_knots(airspeed->var_value.n); }
