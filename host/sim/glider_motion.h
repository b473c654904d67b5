// The glider as a point mass: it flies at an airspeed and bank through the moving air,
// trading height for speed, and sinks as its polar says for the load factor of its bank.
#pragma once

#include "air_mass.h"
#include "glider_polar.h"
#include "ground_vector.h"

struct GliderState {
    GroundVector position_m;         // over the ground, from the scenario's origin
    double altitude_m = 1000.0;      // above sea level
    double heading_deg = 0.0;        // where the nose points, clockwise from north
    double true_airspeed_ms = 25.0;
    double bank_deg = 0.0;           // positive banked to the right
    double pitch_deg = 0.0;          // positive nose up
    double vertical_speed_ms = 0.0;  // over the ground, positive climbing
    double air_rising_ms = 0.0;      // the air's own vertical speed where the glider is
    GroundVector ground_velocity_ms;
    bool on_ground = false;
};

// What the pilot asks of the glider.
struct GliderControls {
    double airspeed_kmh = 100.0;  // indicated
    double bank_deg = 0.0;
};

// Limits of how fast the glider answers its controls.
constexpr double ROLL_RATE_DEG_S = 30.0;
constexpr double SPEED_CHANGE_TIME_S = 3.0;
constexpr double MAX_ACCELERATION_MS2 = 2.0;
constexpr double MAX_BANK_DEG = 60.0;

double indicated_airspeed_kmh(const GliderState& glider, const AirMass& air);
double load_factor(const GliderState& glider);

// Moves the glider on by dt seconds, ending at simulated time time_s + dt_s.
void step_glider(GliderState& glider, const GliderControls& controls, const AirMass& air, const GliderPolar& polar,
                 double time_s, double dt_s);
