// The altimeter's conversions: simulator altitude to metres, metres to hand angles,
// pressure setting to ring turn.
#include "altimeter_hands.h"

#include "altimeter_dial.h"

double alt_altitude_m(double altitude, double units) {
    return units == ALT_UNITS_METRES ? altitude : altitude * ALT_METRES_PER_FOOT;
}

double alt_short_hand_degrees(double altitude_m) { return altitude_m * ALT_SHORT_DEGREES_PER_M + ALT_ZERO_DEGREES; }

double alt_long_hand_degrees(double altitude_m) { return altitude_m * ALT_LONG_DEGREES_PER_M + ALT_ZERO_DEGREES; }

double alt_ring_degrees(double pressure_hpa) { return pressure_hpa * ALT_RING_DEGREES_PER_HPA; }
