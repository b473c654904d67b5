// The variometer's settings and sampler: the vertical speed, scaled and compensated,
// sampled at most every 100 ms into a moving average whose window the damping picks.
#pragma once

#include <cstdint>

constexpr int VARIO_HISTORY_SLOTS = 96;
constexpr int32_t VARIO_SAMPLE_INTERVAL_MS = 100;  // a sample needs more than this since the last

// The three settings the flight computer publishes, with the values every load starts from.
struct VarioSettings {
    int32_t damping = 2;        // 1 fast, 2 standard, 3 slow
    int32_t scale = 2;          // 1 doubles the vertical speed, 3 halves it
    double compensation = 4.0;  // factor of the total-energy term
};

// Module-wide sampler state, all zero at load; it outlives a panel's kill and install.
struct VarioSampler {
    int32_t last_sample_ms = 0;          // module clock at the last sample
    double previous_airspeed_kmh = 0.0;  // airspeed of the last sample
    double history[VARIO_HISTORY_SLOTS] = {};  // [0] newest; a window of N uses [0, N)
    double reading = 0.0;                // last average, 1/256 m/s, not limited
};

// Window length for a damping: 1 gives 24 samples, 2 gives 48, 3 gives 96. Any other
// value has no window of its own and gets the standard 48, so the history is never
// read or shifted past its 96 slots.
int vario_window_length(int32_t damping);

// Whether more than 100 ms have passed since the last sample.
bool vario_sample_due(const VarioSampler& sampler, int32_t now_ms);

// The simulator's vertical speed as the dial scale wants it: scale 1 doubles it, 3 halves it.
double vario_scaled_vertical_speed(double vertical_speed, int32_t scale);

// One sample: the scaled vertical speed [1/256 m/s] plus 250 x compensation x the change
// of the squared airspeed [(km/h)^2] per millisecond since the last sample, shifted
// into the window; the reading becomes the window's average.
void vario_take_sample(VarioSampler& sampler, const VarioSettings& settings, int32_t now_ms,
                       double vertical_speed, double airspeed_knots);

// What the needle is given: the reading limited to the dial's +-1280.
double vario_needle_value(const VarioSampler& sampler);
