// A simple cross-country pilot: cruises toward the goal at the MacCready speed to fly,
// by way of the clouds that mark thermals on its way, circles in lift stronger than its
// MacCready setting, leaves when the climb weakens,
// glides home once high enough, and circles over the goal on arrival.
#pragma once

#include <vector>

#include "air_mass.h"
#include "glider_motion.h"
#include "glider_polar.h"
#include "ground_vector.h"

enum class PilotPhase { Cruise, Climb, FinalGlide, Arrived };

const char* pilot_phase_name(PilotPhase phase);

struct Task {
    GroundVector goal_m;
    double goal_elevation_m = 0.0;
    double safety_height_m = 100.0;  // over the goal on arrival
};

constexpr double CIRCLE_BANK_DEG = 45.0;
constexpr double ARRIVAL_RADIUS_M = 300.0;
constexpr double FINAL_GLIDE_MARGIN_M = 30.0;  // spare height before committing to the glide home

// Height above sea level [m] needed to glide to the goal at the speed to fly for a
// MacCready setting and arrive at its safety height, with the wind there now.
double required_altitude_m(const GliderState& glider, const Task& task, const AirMass& air, const GliderPolar& polar,
                           double maccready_ms);

class Pilot {
public:
    Task task;
    double maccready_ms = 1.0;

    PilotPhase phase() const { return phase_; }
    // The controls for the next step; the phase may change.
    GliderControls decide(const GliderState& glider, const AirMass& air, const GliderPolar& polar, double time_s,
                          double dt_s);

private:
    void enter(PilotPhase phase, double time_s);
    GliderControls fly_toward_goal(const GliderState& glider, const AirMass& air, const GliderPolar& polar,
                                   double time_s) const;
    GliderControls circle(const GliderState& glider, const AirMass& air, const GliderPolar& polar, double time_s);
    void recentre_after_turn(double radius_m);

    PilotPhase phase_ = PilotPhase::Cruise;
    double phase_since_s_ = 0.0;
    double left_lift_at_s_ = -1e9;
    double average_climb_ms_ = 0.0;  // over about one turn
    // Places and positions are in the air's frame: thermals drift with it.
    struct LiftSample {
        GroundVector place_m;
        double rising_ms;
    };
    bool circling_ = false;            // false: still flying straight through the thermal to its core
    LiftSample strongest_;             // on the way in
    GroundVector circle_centre_m;
    std::vector<LiftSample> this_turn_;
    double turned_deg_ = 0.0;
    double last_heading_deg_ = 0.0;
};
