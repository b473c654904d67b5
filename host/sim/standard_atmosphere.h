// The standard atmosphere's troposphere: temperature, pressure and density at an
// altitude, and the altitude where a pressure is met (what an altimeter's scale is built on).
#pragma once

constexpr double STANDARD_PRESSURE_HPA = 1013.25;
constexpr double SEA_LEVEL_TEMPERATURE_K = 288.15;
constexpr double SEA_LEVEL_DENSITY_KG_M3 = 1.225;
constexpr double TEMPERATURE_LAPSE_K_PER_M = 0.0065;

// Temperature [K] at a standard (pressure) altitude [m].
double standard_temperature_k(double altitude_m);
// Pressure [hPa] at a standard altitude [m].
double standard_pressure_hpa(double altitude_m);
// Air density [kg/m^3] at a standard altitude [m].
double standard_density_kg_m3(double altitude_m);
// Standard altitude [m] where the pressure is pressure_hpa; the inverse of standard_pressure_hpa.
double standard_altitude_m(double pressure_hpa);
