// The air-data computation: total-energy climb, polar sink, netto and their averages,
// then the speed to fly and the final glide.
#include "air_data.h"

#include "frame/moving_average.h"
#include "glide.h"
#include "polar.h"

bool air_data_due(const ComputerState& state, int32_t now_ms) {
    // Unsigned difference, so a clock that wraps still measures the time since.
    return uint32_t(now_ms) - uint32_t(state.compute_last_ms) > uint32_t(AIR_DATA_GATE_MS);
}

void compute_air_data(ComputerState& state, int32_t now_ms, AirSample sample) {
    const double dt_ms = double(uint32_t(now_ms) - uint32_t(state.compute_last_ms));
    state.airspeed = sample.airspeed_knots * 1.852;

    // The change of kinetic energy, in the vertical speed's 1/256 m/s.
    const double energy = state.te_factor *
                          (state.airspeed * state.airspeed -
                           state.previous_airspeed * state.previous_airspeed) /
                          dt_ms;
    const double te_raw = (sample.vertical_speed_raw + energy) / 256.0;
    state.polar_sink = polar_vertical_speed(state, state.airspeed);
    const double netto_raw = te_raw - state.polar_sink;
    state.te_vario = moving_average(state.te_history, te_raw);
    state.netto = moving_average(state.netto_history, netto_raw);

    compute_glide(state);

    state.previous_airspeed = state.airspeed;
    state.compute_last_ms = now_ms;
}
