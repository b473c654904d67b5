// A thermal after Allen's updraft model ("Updraft Model for Development of Autonomous
// Soaring Uninhabited Air Vehicles", M. J. Allen, NASA, 2006): from the convective
// velocity and the mixing-layer height, the mean updraft and the updraft's size at a
// height, a core of full strength, and a ring of sinking air around it in the upper
// half of the layer.
#pragma once

#include "ground_vector.h"

struct Thermal {
    GroundVector centre_m;               // where it stands at simulated time 0
    double convective_velocity_ms = 2.0; // w*, the strength of the convection
    double mixing_height_m = 1500.0;     // zi, height above ground of the convective layer
};

// The thermal's cross-section at one height.
struct ThermalSection {
    double mean_updraft_ms = 0.0;  // averaged over the disc of the outer radius
    double outer_radius_m = 0.0;   // where the updraft ends
    double core_radius_m = 0.0;    // inside it the updraft is at its peak
    double peak_updraft_ms = 0.0;
    double downdraft_share = 0.0;  // 0 to 1: the ring's flux against the updraft's
};

// The section at a height above ground [m].
ThermalSection thermal_section(const Thermal& thermal, double height_m);

// Vertical speed of the air [m/s] at a distance from the thermal's axis.
double thermal_vertical_speed_ms(const ThermalSection& section, double distance_m);

// Net upward volume flux of the thermal through the height [m^3/s]: updraft less ring.
double thermal_net_flux_m3s(const ThermalSection& section);

// How far from the axis the thermal moves the air (the ring's outer edge) [m].
inline double thermal_reach_m(const ThermalSection& section) { return 2.0 * section.outer_radius_m; }

// A bound on the reach at every height: no section's outer radius is wider than a
// tenth of the mixing height (or the smallest radius) [m].
double thermal_farthest_reach_m(const Thermal& thermal);
