// The attitude indicator's pitch callback: the ball moves no further than 45 degrees of pitch.
#include "adi_pitch.h"

#include "adi_geometry.h"

double adi_limit_pitch(double pitch_deg) {
    if (pitch_deg > ADI_PITCH_LIMIT_DEGREES) return ADI_PITCH_LIMIT_DEGREES;
    if (pitch_deg < -ADI_PITCH_LIMIT_DEGREES) return -ADI_PITCH_LIMIT_DEGREES;
    return pitch_deg;
}

FLOAT64 GAUGE_CALL adi_pitch_cb(MODULE_VAR* pitch) { return adi_limit_pitch(pitch->var_value.n); }
