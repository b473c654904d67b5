// The parabolic polar, scaled by wing loading and load factor.
#include "glider_polar.h"

#include <algorithm>
#include <cmath>

double polar_scale(const GliderPolar& polar, double load_factor) {
    return std::sqrt(polar.mass_kg / polar.wing_area_m2 * GRAVITY_MS2 * load_factor);
}

double polar_sink_ms(const GliderPolar& polar, double airspeed_kmh, double load_factor) {
    const double q = polar_scale(polar, load_factor);
    return polar.a * airspeed_kmh * airspeed_kmh / q + polar.b * airspeed_kmh + polar.c * q;
}

double min_sink_speed_kmh(const GliderPolar& polar, double load_factor) {
    return -polar.b * polar_scale(polar, load_factor) / (2.0 * polar.a);
}

double speed_to_fly_kmh(const GliderPolar& polar, double maccready_ms, double netto_ms) {
    // Tangent from (0, maccready - netto): a v^2 / q = c q - (maccready - netto).
    const double q = polar_scale(polar, 1.0);
    const double squared = (polar.c * q - (maccready_ms - netto_ms)) * q / polar.a;
    const double least_sink = min_sink_speed_kmh(polar);
    return squared > least_sink * least_sink ? std::sqrt(squared) : least_sink;
}
