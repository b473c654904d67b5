// What a scenario's commands about the air, the glider, its pilot and the navigation
// program do to the simulated flight.
#pragma once

#include "glider_flight.h"
#include "scenario.h"

namespace scenario {

// Applies a command to the flight; false for the commands that are not about the
// flight (panel, tokens, mouse, snapshots, time).
bool apply_to_flight(const Command& command, GliderFlight& flight);

}  // namespace scenario
