// What the host's simulator offers the gauges: variables by token and events by number.
#pragma once

#include <cstdint>

#include "frame/gauge_frame.h"

class SimulatorVariables {
public:
    virtual ~SimulatorVariables() = default;
    // The current value of a token as a module variable carries it.
    virtual VAR_VALUE read(uint32_t token) const = 0;
    // Performs an event a gauge sent.
    virtual void perform(uint32_t event_id, uint32_t value) = 0;
};

inline VAR_VALUE number_value(double n) {
    VAR_VALUE value{};
    value.n = n;
    return value;
}
