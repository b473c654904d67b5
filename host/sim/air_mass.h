// The air the glider flies in: sea-level pressure, wind, thermals that drift with the
// wind, and the gentle sink between them.
#pragma once

#include <vector>

#include "ground_vector.h"
#include "remembered_function.h"
#include "standard_atmosphere.h"
#include "thermal.h"
#include "wind.h"

struct AirMass {
    double sea_level_pressure_hpa = 1013.25;
    double ground_elevation_m = 0.0;   // flat ground; thermals grow from it
    Wind wind;
    std::vector<Thermal> thermals;
    double environment_sink_ms = 0.0;  // the air sinks this fast away from every thermal (>= 0)

    // The standard atmosphere's altitude [m] where the glider at an altitude above sea
    // level meets the same pressure: the atmosphere shifted by the sea-level pressure.
    double pressure_altitude_m(double altitude_m) const;
    double density_kg_m3(double altitude_m) const;

    // Where a thermal's axis is at a simulated time [s]: the air carries it downwind.
    GroundVector thermal_centre(const Thermal& thermal, double time_s) const;
    // Rising speed of the air [m/s] at a point and altitude above sea level.
    double vertical_speed_ms(GroundVector position_m, double altitude_m, double time_s) const;

private:
    RememberedFunction standard_altitude_{standard_altitude_m};
    RememberedFunction standard_density_{standard_density_kg_m3};
};

// The environmental sink [m/s] that carries down, over an area [m^2], as much air as
// the thermals carry up through a height above ground; 0 when the thermals fill the area.
double balancing_sink_ms(const std::vector<Thermal>& thermals, double height_m, double area_m2);
