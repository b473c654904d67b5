// Each flight command sets its part of the air, the glider, the pilot or the navigation.
#include "scenario_flight.h"

#include "airspeed.h"

namespace scenario {

namespace {

struct FlightCommand {
    GliderFlight& flight;

    bool operator()(const SeaLevelPressure& c) {
        flight.air.sea_level_pressure_hpa = c.hpa;
        return true;
    }
    bool operator()(const GroundElevation& c) {
        flight.air.ground_elevation_m = c.metres;
        return true;
    }
    bool operator()(const SetWind& c) {
        flight.air.wind = c.wind;
        return true;
    }
    bool operator()(const EnvironmentSink& c) {
        flight.air.environment_sink_ms = c.ms;
        return true;
    }
    bool operator()(const BalancedSink& c) {
        // Balanced at the height the glider flies at when the command runs.
        const double height_m = flight.glider.altitude_m - flight.air.ground_elevation_m;
        flight.air.environment_sink_ms = balancing_sink_ms(flight.air.thermals, height_m, c.area_km2 * 1e6);
        return true;
    }
    bool operator()(const AddThermal& c) {
        flight.air.thermals.push_back(c.thermal);
        return true;
    }
    bool operator()(const SetGoal& c) {
        flight.pilot.task.goal_m = c.position_m;
        flight.pilot.task.goal_elevation_m = c.elevation_m;
        return true;
    }
    bool operator()(const SafetyHeight& c) {
        flight.pilot.task.safety_height_m = c.metres;
        return true;
    }
    bool operator()(const PlaceGlider& c) {
        GliderState glider;
        glider.position_m = c.position_m;
        glider.altitude_m = c.altitude_m;
        glider.heading_deg = c.heading_deg;
        glider.true_airspeed_ms = true_airspeed(c.airspeed_kmh / 3.6, flight.air.density_kg_m3(c.altitude_m));
        flight.glider = glider;
        flight.controls = {c.airspeed_kmh, 0.0};
        return true;
    }
    bool operator()(const MacCready& c) {
        flight.pilot.maccready_ms = c.ms;
        return true;
    }
    bool operator()(const FlightSwitch& c) {
        flight.moving = c.on;
        return true;
    }
    bool operator()(const PilotSwitch& c) {
        flight.pilot_on = c.on;
        return true;
    }
    bool operator()(const Controls& c) {
        flight.controls = {c.airspeed_kmh, c.bank_deg};
        return true;
    }
    bool operator()(const Navigation& c) {
        flight.navigation.mode = c.mode;
        return true;
    }
    template <typename Other>
    bool operator()(const Other&) { return false; }
};

}  // namespace

bool apply_to_flight(const Command& command, GliderFlight& flight) { return std::visit(FlightCommand{flight}, command); }

}  // namespace scenario
