// The pilot's decisions, one step at a time, from what a glider pilot feels and knows:
// the air's rising speed where the glider is, its own climb, its height, and the goal.
#include "pilot.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "airspeed.h"

namespace {

constexpr double MAX_CRUISE_BANK_DEG = 30.0;
constexpr double BANK_PER_DEGREE_OFF_COURSE = 2.0;
constexpr double MAX_SPEED_KMH = 200.0;
constexpr double CLIMB_AVERAGE_TIME_S = 20.0;    // about one turn
constexpr double CLIMB_SETTLE_TIME_S = 30.0;     // before judging a thermal
constexpr double IGNORE_LIFT_AFTER_LEAVING_S = 45.0;
constexpr double WEAKEST_CLIMB_WORTH_TAKING_MS = 0.2;
constexpr double CIRCLE_STEERING_DEG_PER_M = 1.0;  // toward the circle when off it
constexpr double CIRCLE_BANK_PER_DEGREE = 1.5;
// The lift's fall per metre from the core that the pilot reckons with when moving the
// circle after a turn [m/s per m], and how much of the move it makes.
constexpr double LIFT_SLOPE_MS_PER_M = 0.04;
constexpr double RECENTRING_SHARE = 0.7;
constexpr double PASSED_THE_CORE_MS = 0.1;  // the lift has fallen this much from the strongest
constexpr double GIVE_UP_FINAL_GLIDE_M = 200.0;  // below the required height: find lift again
constexpr double CLOUD_SIGHT_M = 5000.0;         // how far ahead the pilot sees the clouds over thermals
constexpr double MAX_DETOUR_M = 1500.0;          // how far off its way it goes for one
constexpr double LEFT_BEHIND_M = 300.0;          // the thermal it is leaving does not count

double angle_difference_deg(double to, double from) { return std::remainder(to - from, 360.0); }

double circling_load_factor() { return 1.0 / std::cos(CIRCLE_BANK_DEG * std::numbers::pi / 180.0); }

double circling_speed_kmh(const GliderPolar& polar) { return 1.05 * min_sink_speed_kmh(polar, circling_load_factor()); }

GroundVector place_in_air(const GliderState& glider, const AirMass& air, double time_s) {
    return glider.position_m - wind_velocity_ms(air.wind) * time_s;
}

}  // namespace

const char* pilot_phase_name(PilotPhase phase) {
    switch (phase) {
        case PilotPhase::Cruise: return "cruise";
        case PilotPhase::Climb: return "climb";
        case PilotPhase::FinalGlide: return "final-glide";
        case PilotPhase::Arrived: return "arrived";
    }
    return "?";
}

double required_altitude_m(const GliderState& glider, const Task& task, const AirMass& air, const GliderPolar& polar,
                           double maccready_ms) {
    const GroundVector to_goal = task.goal_m - glider.position_m;
    const double distance_m = length(to_goal);
    const double arrival_m = task.goal_elevation_m + task.safety_height_m;
    if (distance_m < 1.0) return arrival_m;
    const double density = air.density_kg_m3(glider.altitude_m);
    const double speed_kmh = speed_to_fly_kmh(polar, maccready_ms, 0.0);
    const double tas_ms = true_airspeed(speed_kmh / 3.6, density);
    const double sink_ms = -polar_sink_ms(polar, speed_kmh) * tas_ms / (speed_kmh / 3.6);
    const double ground_speed_ms = tas_ms - head_wind_kmh(air.wind, bearing_deg(to_goal)) / 3.6;
    if (ground_speed_ms <= 1.0) return 1e9;  // the wind is stronger than the glider
    return arrival_m + distance_m / ground_speed_ms * sink_ms;
}

void Pilot::enter(PilotPhase phase, double time_s) {
    if (phase_ == PilotPhase::Climb && phase != PilotPhase::Climb) left_lift_at_s_ = time_s;
    phase_ = phase;
    phase_since_s_ = time_s;
}

// A cumulus marks each thermal: in cruise the pilot heads for the nearest one it sees
// ahead on its way, and for the goal when there is none.
std::optional<GroundVector> marked_thermal_ahead(const GliderState& glider, const Task& task, const AirMass& air,
                                                 double time_s) {
    const GroundVector to_goal = task.goal_m - glider.position_m;
    const double goal_m = length(to_goal);
    if (goal_m < 1.0) return std::nullopt;
    const GroundVector along = to_goal * (1.0 / goal_m);
    const GroundVector across = unit_toward(bearing_deg(to_goal) + 90.0);
    std::optional<GroundVector> nearest;
    double nearest_m = CLOUD_SIGHT_M;
    for (const Thermal& thermal : air.thermals) {
        const GroundVector to_thermal = air.thermal_centre(thermal, time_s) - glider.position_m;
        const double ahead_m = dot(to_thermal, along);
        if (!(ahead_m > 0.0 && ahead_m < goal_m)) continue;
        const double aside_m = std::abs(dot(to_thermal, across));
        const double distance_m = length(to_thermal);
        if (aside_m < MAX_DETOUR_M && distance_m > LEFT_BEHIND_M && distance_m < nearest_m) {
            nearest = glider.position_m + to_thermal;
            nearest_m = distance_m;
        }
    }
    return nearest;
}

GliderControls Pilot::fly_toward_goal(const GliderState& glider, const AirMass& air, const GliderPolar& polar,
                                      double time_s) const {
    const std::optional<GroundVector> cloud =
        phase_ == PilotPhase::Cruise ? marked_thermal_ahead(glider, task, air, time_s) : std::nullopt;
    const GroundVector to_goal = (cloud ? *cloud : task.goal_m) - glider.position_m;
    const double track_deg = bearing_deg(to_goal);
    // Into the wind by as much as keeps the track on the goal.
    const GroundVector wind = wind_velocity_ms(air.wind);
    const GroundVector across = unit_toward(track_deg + 90.0);
    const double crab = std::asin(std::clamp(-dot(wind, across) / std::max(1.0, glider.true_airspeed_ms), -1.0, 1.0));
    const double heading_deg = track_deg + crab * 180.0 / std::numbers::pi;
    GliderControls controls;
    controls.bank_deg = std::clamp(BANK_PER_DEGREE_OFF_COURSE * angle_difference_deg(heading_deg, glider.heading_deg),
                                   -MAX_CRUISE_BANK_DEG, MAX_CRUISE_BANK_DEG);
    controls.airspeed_kmh = std::min(MAX_SPEED_KMH, speed_to_fly_kmh(polar, maccready_ms, glider.air_rising_ms));
    return controls;
}

void Pilot::recentre_after_turn(double radius_m) {
    // Around a circle whose centre lies d off the core the lift varies with the cosine of
    // the angle to the core, by slope x d: its first harmonic points at the core.
    if (this_turn_.empty()) return;
    double mean = 0.0;
    for (const LiftSample& sample : this_turn_) mean += sample.rising_ms;
    mean /= double(this_turn_.size());
    GroundVector harmonic;
    for (const LiftSample& sample : this_turn_) harmonic = harmonic + (sample.place_m - circle_centre_m) * (sample.rising_ms - mean);
    harmonic = harmonic * (1.0 / double(this_turn_.size()));
    GroundVector move = harmonic * (2.0 * RECENTRING_SHARE / (LIFT_SLOPE_MS_PER_M * radius_m));
    if (length(move) > radius_m) move = move * (radius_m / length(move));
    circle_centre_m = circle_centre_m + move;
}

GliderControls Pilot::circle(const GliderState& glider, const AirMass& air, const GliderPolar& polar, double time_s) {
    const GroundVector here = place_in_air(glider, air, time_s);
    GliderControls controls;
    controls.airspeed_kmh = circling_speed_kmh(polar);
    if (!circling_) {
        // Straight on while the lift still strengthens; circle around its strongest place.
        if (glider.air_rising_ms > strongest_.rising_ms) strongest_ = {here, glider.air_rising_ms};
        if (glider.air_rising_ms > strongest_.rising_ms - PASSED_THE_CORE_MS) return controls;
        circling_ = true;
        circle_centre_m = strongest_.place_m;
        this_turn_.clear();
        turned_deg_ = 0.0;
        last_heading_deg_ = glider.heading_deg;
    }

    const double v = std::max(1.0, glider.true_airspeed_ms);
    const double radius_m = v * v / (GRAVITY_MS2 * std::tan(CIRCLE_BANK_DEG * std::numbers::pi / 180.0));
    this_turn_.push_back({here, glider.air_rising_ms});
    turned_deg_ += angle_difference_deg(glider.heading_deg, last_heading_deg_);
    last_heading_deg_ = glider.heading_deg;
    if (turned_deg_ >= 360.0) {
        recentre_after_turn(radius_m);
        this_turn_.clear();
        turned_deg_ = 0.0;
    }

    // Turn right around the centre: along the circle's tangent, steering in when outside it.
    const GroundVector from_centre = here - circle_centre_m;
    const double off_circle_deg = std::clamp((length(from_centre) - radius_m) * CIRCLE_STEERING_DEG_PER_M, -60.0, 60.0);
    const double heading_deg = bearing_deg(from_centre) + 90.0 + off_circle_deg;
    controls.bank_deg = std::clamp(CIRCLE_BANK_DEG + CIRCLE_BANK_PER_DEGREE * angle_difference_deg(heading_deg, glider.heading_deg),
                                   -MAX_CRUISE_BANK_DEG, MAX_BANK_DEG);
    return controls;
}

GliderControls Pilot::decide(const GliderState& glider, const AirMass& air, const GliderPolar& polar, double time_s,
                             double dt_s) {
    const double blend = std::min(1.0, dt_s / CLIMB_AVERAGE_TIME_S);
    average_climb_ms_ += (glider.vertical_speed_ms - average_climb_ms_) * blend;

    const double distance_m = length(task.goal_m - glider.position_m);
    const double required_m = required_altitude_m(glider, task, air, polar, maccready_ms);
    const double expected_climb_ms = glider.air_rising_ms + polar_sink_ms(polar, circling_speed_kmh(polar), circling_load_factor());
    const double worth_taking_ms = std::max(maccready_ms, WEAKEST_CLIMB_WORTH_TAKING_MS);

    if (phase_ != PilotPhase::Arrived && distance_m < ARRIVAL_RADIUS_M) enter(PilotPhase::Arrived, time_s);
    switch (phase_) {
        case PilotPhase::Cruise:
            if (glider.altitude_m >= required_m + FINAL_GLIDE_MARGIN_M) enter(PilotPhase::FinalGlide, time_s);
            else if (expected_climb_ms > worth_taking_ms && time_s - left_lift_at_s_ > IGNORE_LIFT_AFTER_LEAVING_S) {
                enter(PilotPhase::Climb, time_s);
                average_climb_ms_ = expected_climb_ms;
                circling_ = false;
                strongest_ = {place_in_air(glider, air, time_s), glider.air_rising_ms};
            }
            break;
        case PilotPhase::Climb:
            if (glider.altitude_m >= required_m + FINAL_GLIDE_MARGIN_M) enter(PilotPhase::FinalGlide, time_s);
            else if (time_s - phase_since_s_ > CLIMB_SETTLE_TIME_S && average_climb_ms_ < worth_taking_ms)
                enter(PilotPhase::Cruise, time_s);
            break;
        case PilotPhase::FinalGlide:
            if (glider.altitude_m < required_m - GIVE_UP_FINAL_GLIDE_M) enter(PilotPhase::Cruise, time_s);
            break;
        case PilotPhase::Arrived: break;
    }

    GliderControls controls;
    switch (phase_) {
        case PilotPhase::Cruise:
        case PilotPhase::FinalGlide: controls = fly_toward_goal(glider, air, polar, time_s); break;
        case PilotPhase::Climb: controls = circle(glider, air, polar, time_s); break;
        case PilotPhase::Arrived:
            controls.bank_deg = MAX_CRUISE_BANK_DEG;
            controls.airspeed_kmh = 1.05 * min_sink_speed_kmh(polar, 1.0 / std::cos(MAX_CRUISE_BANK_DEG * std::numbers::pi / 180.0));
            break;
    }
    return controls;
}
