// The head-wind component: airspeed minus the navigation file's ground speed, averaged.
#include "wind.h"

#include "frame/moving_average.h"

void update_wind(ComputerState& state, int32_t now_ms, double airspeed_knots) {
    state.wind_airspeed = airspeed_knots * 1.852;
    if (state.wind_airspeed > WIND_AIRSPEED_LIMIT_KMH) state.wind_airspeed = WIND_AIRSPEED_LIMIT_KMH;
    if (uint32_t(now_ms) - uint32_t(state.wind_last_ms) <= 100u) return;
    state.wind = moving_average(state.wind_history, state.wind_airspeed - state.ground_speed);
    state.wind_last_ms = now_ms;
}
