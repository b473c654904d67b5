// Indicated and true airspeed: the airspeed indicator measures dynamic pressure, so it
// reads the true airspeed scaled by the square root of the density ratio.
#pragma once

#include <cmath>

#include "standard_atmosphere.h"

inline double indicated_airspeed(double true_airspeed, double density_kg_m3) {
    return true_airspeed * std::sqrt(density_kg_m3 / SEA_LEVEL_DENSITY_KG_M3);
}

inline double true_airspeed(double indicated_airspeed, double density_kg_m3) {
    return indicated_airspeed * std::sqrt(SEA_LEVEL_DENSITY_KG_M3 / density_kg_m3);
}
