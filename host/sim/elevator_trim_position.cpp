// Reading and setting the elevator trim by position.
#include "elevator_trim_position.h"

#include <algorithm>
#include <cmath>

namespace {

double limited_position(double position) {
    if (std::isnan(position)) return 0;
    return std::clamp(position, -ELEVATOR_TRIM_POSITION_LIMIT, ELEVATOR_TRIM_POSITION_LIMIT);
}

}  // namespace

std::optional<VAR_VALUE> read_elevator_trim_position(const TrimState& trims, uint32_t token) {
    if (token != TOKEN_ELEVATOR_TRIM_POSITION) return std::nullopt;
    return number_value(elevator_trim_position(trims));
}

bool set_elevator_trim_position_token(TrimState& trims, uint32_t token, double position) {
    if (token != TOKEN_ELEVATOR_TRIM_POSITION) return false;
    set_elevator_trim_position(trims, limited_position(position));
    return true;
}

bool perform_elevator_trim_position_event(TrimState& trims, uint32_t event_id, uint32_t value) {
    if (event_id != EVENT_ELEVATOR_TRIM_SET) return false;
    // The event's 32 bits are a signed position.
    set_elevator_trim_position(trims, limited_position(double(static_cast<int32_t>(value))));
    return true;
}
