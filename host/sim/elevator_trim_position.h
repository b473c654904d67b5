// The elevator trim as a position from -16383 to +16383: its token and the event that
// sets it, over the same trim the radian tokens read.
#pragma once

#include <cstdint>
#include <optional>

#include "host/sim/trims.h"

constexpr uint32_t TOKEN_ELEVATOR_TRIM_POSITION = 0x13F;
constexpr uint32_t EVENT_ELEVATOR_TRIM_SET = 0x100E6;

// The position token's value, or nothing for another token.
std::optional<VAR_VALUE> read_elevator_trim_position(const TrimState& trims, uint32_t token);
// Sets the trim from the position token; false for another token.
bool set_elevator_trim_position_token(TrimState& trims, uint32_t token, double position);
// The set event carries a signed position; beyond +-16383 it is limited. False for
// another event.
bool perform_elevator_trim_position_event(TrimState& trims, uint32_t event_id, uint32_t value);
