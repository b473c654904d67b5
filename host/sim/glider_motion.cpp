// One step of the point-mass glider: roll toward the asked bank, speed toward the asked
// airspeed, and the height that the polar, the air and the change of speed give.
#include "glider_motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "airspeed.h"

namespace {

constexpr double DEG = std::numbers::pi / 180.0;
// Lift coefficient per degree of angle of attack, and how far the fuselage datum sits
// below the wing's zero-lift line: the nose then sits near the horizon at cruise.
constexpr double LIFT_SLOPE_PER_DEG = 0.1;
constexpr double FUSELAGE_SETTING_DEG = 5.0;
constexpr double AIR_DENSITY_FLOOR = 0.1;

double approach(double value, double target, double max_step) {
    return value + std::clamp(target - value, -max_step, max_step);
}

}  // namespace

double indicated_airspeed_kmh(const GliderState& glider, const AirMass& air) {
    return indicated_airspeed(glider.true_airspeed_ms, air.density_kg_m3(glider.altitude_m)) * 3.6;
}

double load_factor(const GliderState& glider) { return 1.0 / std::cos(glider.bank_deg * DEG); }

void step_glider(GliderState& glider, const GliderControls& controls, const AirMass& air, const GliderPolar& polar,
                 double time_s, double dt_s) {
    if (glider.on_ground || dt_s <= 0.0) return;
    const double density = std::max(AIR_DENSITY_FLOOR, air.density_kg_m3(glider.altitude_m));
    const double sigma_root = std::sqrt(density / SEA_LEVEL_DENSITY_KG_M3);

    const double target_bank = std::clamp(controls.bank_deg, -MAX_BANK_DEG, MAX_BANK_DEG);
    glider.bank_deg = approach(glider.bank_deg, target_bank, ROLL_RATE_DEG_S * dt_s);
    const double n = load_factor(glider);

    const double target_tas = true_airspeed(controls.airspeed_kmh / 3.6, density);
    const double acceleration = std::clamp((target_tas - glider.true_airspeed_ms) / SPEED_CHANGE_TIME_S,
                                           -MAX_ACCELERATION_MS2, MAX_ACCELERATION_MS2);
    const double v = glider.true_airspeed_ms;
    const double next_v = std::max(1.0, v + acceleration * dt_s);

    // Energy height h + v^2 / 2g changes with the air and the polar; what the speed gains
    // the height gives.
    const double ias_kmh = v * sigma_root * 3.6;
    const double sink_ms = polar_sink_ms(polar, ias_kmh, n) / sigma_root;
    glider.air_rising_ms = air.vertical_speed_ms(glider.position_m, glider.altitude_m, time_s);
    const double kinetic_rate = (next_v * next_v - v * v) / (2.0 * GRAVITY_MS2 * dt_s);
    glider.vertical_speed_ms = glider.air_rising_ms + sink_ms - kinetic_rate;

    // Turning: heading rate g tan(bank) / v.
    glider.heading_deg += std::tan(glider.bank_deg * DEG) * GRAVITY_MS2 / next_v * dt_s / DEG;
    glider.heading_deg = std::fmod(glider.heading_deg + 360.0, 360.0);

    const double through_air_ms = glider.vertical_speed_ms - glider.air_rising_ms;
    const double path_deg = std::asin(std::clamp(through_air_ms / next_v, -1.0, 1.0)) / DEG;
    const double lift_coefficient = 2.0 * n * polar.mass_kg * GRAVITY_MS2 / (density * next_v * next_v * polar.wing_area_m2);
    glider.pitch_deg = path_deg + lift_coefficient / LIFT_SLOPE_PER_DEG - FUSELAGE_SETTING_DEG;

    const double horizontal_ms = next_v * std::cos(path_deg * DEG);
    glider.ground_velocity_ms = unit_toward(glider.heading_deg) * horizontal_ms + wind_velocity_ms(air.wind);
    glider.position_m = glider.position_m + glider.ground_velocity_ms * dt_s;
    glider.true_airspeed_ms = next_v;
    glider.altitude_m += glider.vertical_speed_ms * dt_s;

    if (glider.altitude_m <= air.ground_elevation_m) {  // landed: at rest on the ground
        glider.altitude_m = air.ground_elevation_m;
        glider.on_ground = true;
        glider.true_airspeed_ms = 0.0;
        glider.vertical_speed_ms = 0.0;
        glider.bank_deg = 0.0;
        glider.pitch_deg = 0.0;
        glider.ground_velocity_ms = {};
    }
}
