// Stepping the flight and handing its state to the aircraft's tokens.
#include "glider_flight.h"

#include <algorithm>

#include "air_data.h"

namespace {

constexpr double KNOTS_PER_KMH = 1.0 / 1.852;

}  // namespace

std::optional<PilotPhase> GliderFlight::step_to(int64_t now_ms) {
    std::optional<PilotPhase> changed;
    if (moving && last_ms_ && now_ms > *last_ms_) {
        const double dt_s = double(now_ms - *last_ms_) / 1000.0;
        const double time_s = double(*last_ms_) / 1000.0;
        if (pilot_on && !glider.on_ground) {
            const PilotPhase before = pilot.phase();
            controls = pilot.decide(glider, air, polar, time_s, dt_s);
            if (pilot.phase() != before) changed = pilot.phase();
        }
        step_glider(glider, controls, air, polar, time_s, dt_s);
    }
    last_ms_ = now_ms;
    if (navigation.due(now_ms)) navigation.step(now_ms, navigation_fix());
    return changed;
}

NavigationFix GliderFlight::navigation_fix() const {
    const GroundVector to_goal = pilot.task.goal_m - glider.position_m;
    NavigationFix fix;
    fix.goal_elevation_m = pilot.task.goal_elevation_m;
    fix.goal_distance_km = length(to_goal) / 1000.0;
    fix.goal_bearing_deg = bearing_deg(to_goal);
    fix.track_deg = bearing_deg(glider.ground_velocity_ms);
    fix.ground_speed_kmh = length(glider.ground_velocity_ms) * 3.6;
    return fix;
}

void GliderFlight::write_tokens(Aircraft& aircraft) const {
    if (!moving) return;
    aircraft.set(TOKEN_AIRSPEED, indicated_airspeed_kmh() * KNOTS_PER_KMH);
    aircraft.set(TOKEN_VERTICAL_SPEED, glider.vertical_speed_ms * 256.0);
    aircraft.air_data().set_pressure_altitude_m(air.pressure_altitude_m(glider.altitude_m));
    aircraft.set(TOKEN_PITCH, glider.pitch_deg);
    aircraft.set(TOKEN_BANK, -glider.bank_deg);  // the indicator's bank is positive to the left
}
