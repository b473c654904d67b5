// The air's vertical motion: the nearest thermal that reaches the point, else the
// environmental sink.
#include "air_mass.h"

#include <numbers>

#include "standard_atmosphere.h"

double AirMass::pressure_altitude_m(double altitude_m) const {
    return altitude_m + standard_altitude_(sea_level_pressure_hpa);
}

double AirMass::density_kg_m3(double altitude_m) const {
    return standard_density_(pressure_altitude_m(altitude_m));
}

GroundVector AirMass::thermal_centre(const Thermal& thermal, double time_s) const {
    return thermal.centre_m + wind_velocity_ms(wind) * time_s;
}

double AirMass::vertical_speed_ms(GroundVector position_m, double altitude_m, double time_s) const {
    const double height_m = altitude_m - ground_elevation_m;
    // Where thermal_centre puts each thermal, with the wind's drift worked out once.
    const GroundVector drift_m = wind_velocity_ms(wind) * time_s;
    for (const Thermal& thermal : thermals) {
        const GroundVector offset_m = position_m - (thermal.centre_m + drift_m);
        // Most thermals are far away: a glance at the distance rules them out before
        // their section is worked out.
        const double farthest_m = thermal_farthest_reach_m(thermal);
        if (dot(offset_m, offset_m) >= farthest_m * farthest_m) continue;
        const ThermalSection section = thermal_section(thermal, height_m);
        const double distance_m = length(offset_m);
        if (distance_m < thermal_reach_m(section)) return thermal_vertical_speed_ms(section, distance_m);
    }
    return -environment_sink_ms;
}

double balancing_sink_ms(const std::vector<Thermal>& thermals, double height_m, double area_m2) {
    double flux_m3s = 0.0;
    double covered_m2 = 0.0;
    for (const Thermal& thermal : thermals) {
        const ThermalSection section = thermal_section(thermal, height_m);
        flux_m3s += thermal_net_flux_m3s(section);
        const double reach = thermal_reach_m(section);
        covered_m2 += std::numbers::pi * reach * reach;
    }
    const double open_m2 = area_m2 - covered_m2;
    return open_m2 > 0.0 ? flux_m3s / open_m2 : 0.0;
}
