// The attitude indicator's pitch limiter and the callback that applies it.
#pragma once

#include "frame/gauge_frame.h"

// Pitch in degrees as the ball shows it: held within plus or minus 45.
double adi_limit_pitch(double pitch_deg);

FLOAT64 GAUGE_CALL adi_pitch_cb(MODULE_VAR* pitch);
