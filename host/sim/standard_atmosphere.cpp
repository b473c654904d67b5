// The troposphere of the standard atmosphere: a linear temperature fall with height and
// the hydrostatic pressure that follows from it.
#include "standard_atmosphere.h"

#include <cmath>

namespace {

// g M / (R L): the exponent of the pressure-temperature relation, and its inverse.
constexpr double PRESSURE_EXPONENT = 5.255877;
constexpr double INVERSE_PRESSURE_EXPONENT = 1.0 / PRESSURE_EXPONENT;
constexpr double TROPOSPHERE_SCALE_M = SEA_LEVEL_TEMPERATURE_K / TEMPERATURE_LAPSE_K_PER_M;

// T / T0 at an altitude.
double temperature_ratio(double altitude_m) { return 1.0 - altitude_m / TROPOSPHERE_SCALE_M; }

}  // namespace

double standard_temperature_k(double altitude_m) { return SEA_LEVEL_TEMPERATURE_K * temperature_ratio(altitude_m); }

double standard_pressure_hpa(double altitude_m) {
    return STANDARD_PRESSURE_HPA * std::pow(temperature_ratio(altitude_m), PRESSURE_EXPONENT);
}

double standard_density_kg_m3(double altitude_m) {
    // p / (R T) relative to sea level: the pressure ratio over the temperature ratio.
    return SEA_LEVEL_DENSITY_KG_M3 * std::pow(temperature_ratio(altitude_m), PRESSURE_EXPONENT - 1.0);
}

double standard_altitude_m(double pressure_hpa) {
    return TROPOSPHERE_SCALE_M * (1.0 - std::pow(pressure_hpa / STANDARD_PRESSURE_HPA, INVERSE_PRESSURE_EXPONENT));
}
