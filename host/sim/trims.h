// The aircraft's three trims: elevator, aileron and rudder, kept in radians, read through
// their tokens and stepped by the trim events.
#pragma once

#include <cstdint>
#include <optional>

#include "host/core/simulator_variables.h"

constexpr uint32_t TOKEN_ELEVATOR_TRIM_RAD = 0x30F;
constexpr uint32_t TOKEN_AILERON_TRIM_RAD = 0x311;
constexpr uint32_t TOKEN_RUDDER_TRIM_RAD = 0x313;

constexpr uint32_t EVENT_ELEV_TRIM_UP = 0x1004F;
constexpr uint32_t EVENT_ELEV_TRIM_DOWN = 0x10047;
constexpr uint32_t EVENT_AILERON_TRIM_LEFT = 0x102E4;
constexpr uint32_t EVENT_AILERON_TRIM_RIGHT = 0x102E5;
constexpr uint32_t EVENT_RUDDER_TRIM_LEFT = 0x102E6;
constexpr uint32_t EVENT_RUDDER_TRIM_RIGHT = 0x102E7;

// Every trim's full travel either way, radians, and one event's step: 32 steps end to middle.
constexpr double TRIM_LIMIT_RAD = 0.628;
constexpr double TRIM_STEP_RAD = TRIM_LIMIT_RAD / 32;
// The elevator trim as a position: -16383 to +16383 over the same travel.
constexpr double ELEVATOR_TRIM_POSITION_LIMIT = 16383;

struct TrimState {
    double elevator_rad = 0;  // positive nose up
    double aileron_rad = 0;   // positive right
    double rudder_rad = 0;    // positive right
};

// The value of a trim token, or nothing for another token.
std::optional<VAR_VALUE> read_trim_token(const TrimState& trims, uint32_t token);
// Sets a trim token, limited to the travel; false for another token.
bool set_trim_token(TrimState& trims, uint32_t token, double value);
// Steps a trim by one; false for another event.
bool perform_trim_event(TrimState& trims, uint32_t event_id);

// The one elevator trim in its other unit, for the elevator trim position token and event.
double elevator_trim_position(const TrimState& trims);
void set_elevator_trim_position(TrimState& trims, double position);
