// The air-data computation: total-energy climb, polar sink, netto and their averages,
// then the speed to fly and the final glide.
#pragma once

#include <cstdint>

#include "computer_state.h"

// The simulator values one computation reads.
struct AirSample {
    double vertical_speed_raw;  // vertical speed token [1/256 m/s]
    double airspeed_knots;      // airspeed token [knots]
};

// Minimum spacing of two computations [ms]; a computation runs only when strictly more
// time has passed since the previous one.
constexpr int32_t AIR_DATA_GATE_MS = 100;

// Whether a computation is due at now_ms. The caller reads the tokens only then.
bool air_data_due(const ComputerState& state, int32_t now_ms);

// Runs one computation at now_ms (the caller has checked air_data_due): te_vario,
// polar_sink and netto, the speed to fly and the final glide; then remembers the
// airspeed and now_ms for the next one.
void compute_air_data(ComputerState& state, int32_t now_ms, AirSample sample);
