// Reading, setting and stepping the aircraft's trims.
#include "trims.h"

#include <algorithm>
#include <cmath>

namespace {

double limited(double radians) {
    if (std::isnan(radians)) return 0;
    return std::clamp(radians, -TRIM_LIMIT_RAD, TRIM_LIMIT_RAD);
}

double* trim_of_token(TrimState& trims, uint32_t token) {
    switch (token) {
        case TOKEN_ELEVATOR_TRIM_RAD: return &trims.elevator_rad;
        case TOKEN_AILERON_TRIM_RAD: return &trims.aileron_rad;
        case TOKEN_RUDDER_TRIM_RAD: return &trims.rudder_rad;
        default: return nullptr;
    }
}

}  // namespace

std::optional<VAR_VALUE> read_trim_token(const TrimState& trims, uint32_t token) {
    TrimState copy = trims;
    const double* trim = trim_of_token(copy, token);
    if (trim == nullptr) return std::nullopt;
    return number_value(*trim);
}

bool set_trim_token(TrimState& trims, uint32_t token, double value) {
    double* trim = trim_of_token(trims, token);
    if (trim == nullptr) return false;
    *trim = limited(value);
    return true;
}

bool perform_trim_event(TrimState& trims, uint32_t event_id) {
    struct Step {
        uint32_t event_id;
        double TrimState::*trim;
        double direction;
    };
    static constexpr Step steps[] = {
        {EVENT_ELEV_TRIM_UP, &TrimState::elevator_rad, +1},
        {EVENT_ELEV_TRIM_DOWN, &TrimState::elevator_rad, -1},
        {EVENT_AILERON_TRIM_LEFT, &TrimState::aileron_rad, -1},
        {EVENT_AILERON_TRIM_RIGHT, &TrimState::aileron_rad, +1},
        {EVENT_RUDDER_TRIM_LEFT, &TrimState::rudder_rad, -1},
        {EVENT_RUDDER_TRIM_RIGHT, &TrimState::rudder_rad, +1},
    };
    for (const auto& step : steps) {
        if (step.event_id != event_id) continue;
        trims.*step.trim = limited(trims.*step.trim + step.direction * TRIM_STEP_RAD);
        return true;
    }
    return false;
}

double elevator_trim_position(const TrimState& trims) {
    return trims.elevator_rad / TRIM_LIMIT_RAD * ELEVATOR_TRIM_POSITION_LIMIT;
}

void set_elevator_trim_position(TrimState& trims, double position) {
    trims.elevator_rad = limited(position / ELEVATOR_TRIM_POSITION_LIMIT * TRIM_LIMIT_RAD);
}
