// Allen's thermal: sizes from the height within the convective layer, a flat-topped
// updraft profile whose mean over the outer disc is the mean updraft, and a sine-shaped
// ring of downdraft out to twice the outer radius.
#include "thermal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double MIN_OUTER_RADIUS_M = 10.0;
constexpr double MAX_CORE_SHARE = 0.8;

}  // namespace

ThermalSection thermal_section(const Thermal& thermal, double height_m) {
    ThermalSection section;
    const double zi = thermal.mixing_height_m;
    if (height_m <= 0.0 || zi <= 0.0 || height_m >= zi) return section;
    const double h = height_m / zi;  // share of the layer's height

    // Rises from the ground, peaks a third of the way up, dies out just below the top.
    section.mean_updraft_ms = std::max(0.0, thermal.convective_velocity_ms * std::cbrt(h) * (1.0 - 1.1 * h));
    // Widens with height, narrowing again near the top.
    section.outer_radius_m = std::max(MIN_OUTER_RADIUS_M, 0.102 * std::cbrt(h) * (1.0 - 0.25 * h) * zi);
    const double r2 = section.outer_radius_m;
    section.core_radius_m = std::min(MAX_CORE_SHARE, 0.0011 * r2 + 0.14) * r2;
    const double r1 = section.core_radius_m;
    // Full strength inside the core, falling linearly to zero at the outer radius: this
    // peak makes that profile's mean over the outer disc the mean updraft.
    section.peak_updraft_ms = 3.0 * section.mean_updraft_ms * (r2 * r2 * r2 - r2 * r2 * r1) / (r2 * r2 * r2 - r1 * r1 * r1);
    // Sinking air beside the thermal grows through the upper half of the layer.
    if (h > 0.5) section.downdraft_share = std::min(1.0, 2.5 * (h - 0.5));
    return section;
}

double thermal_farthest_reach_m(const Thermal& thermal) {
    // cbrt(h) (1 - h / 4) is at most 3/4 (at h = 1); a margin keeps rounding out of it.
    return 2.0 * std::max(MIN_OUTER_RADIUS_M, 0.102 * thermal.mixing_height_m) * 1.01;
}

double thermal_vertical_speed_ms(const ThermalSection& section, double distance_m) {
    const double r = std::abs(distance_m);
    const double r1 = section.core_radius_m;
    const double r2 = section.outer_radius_m;
    if (r2 <= 0.0) return 0.0;
    if (r <= r1) return section.peak_updraft_ms;
    if (r < r2) return section.peak_updraft_ms * (r2 - r) / (r2 - r1);
    if (r < 2.0 * r2) {
        // sin(pi r / r2) is negative between r2 and 2 r2; its ring carries down exactly the
        // downdraft share of the updraft's flux.
        return section.downdraft_share * section.mean_updraft_ms * std::numbers::pi / 6.0 *
               std::sin(std::numbers::pi * r / r2);
    }
    return 0.0;
}

double thermal_net_flux_m3s(const ThermalSection& section) {
    const double r2 = section.outer_radius_m;
    return std::numbers::pi * r2 * r2 * section.mean_updraft_ms * (1.0 - section.downdraft_share);
}
