// The simulated glider flight as one piece: the air, the glider, its pilot and the
// navigation program, stepped together and written into the aircraft's tokens, which
// stay the one place the gauges read from.
#pragma once

#include <cstdint>
#include <optional>

#include "air_mass.h"
#include "aircraft.h"
#include "glider_motion.h"
#include "glider_polar.h"
#include "navigation_program.h"
#include "pilot.h"

class GliderFlight {
public:
    AirMass air;
    GliderState glider;
    GliderPolar polar;
    Pilot pilot;
    bool moving = true;    // off: the glider stands where it is and writes no tokens
    bool pilot_on = true;
    GliderControls controls;  // what the glider flies when the pilot is off
    NavigationProgram navigation;

    // Moves the flight on to simulated time now_ms (the first call only records the
    // time) and writes the navigation file when it is due. Returns the pilot's new
    // phase when it changed in this step.
    std::optional<PilotPhase> step_to(int64_t now_ms);
    // Airspeed, vertical speed, altitude, pitch and bank into the aircraft's tokens;
    // nothing while the flight stands still.
    void write_tokens(Aircraft& aircraft) const;

    NavigationFix navigation_fix() const;
    double indicated_airspeed_kmh() const { return ::indicated_airspeed_kmh(glider, air); }

private:
    std::optional<int64_t> last_ms_;
};
