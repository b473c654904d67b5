// The variometer's sampler: scale, total-energy compensation and the moving average.
#include "vario_sampler.h"

#include <span>

#include "frame/moving_average.h"
#include "vario_dial.h"

namespace {

constexpr double KMH_PER_KNOT = 1.852;
constexpr double COMPENSATION_GAIN = 250.0;

// Milliseconds since the last sample, taken in 64 bits so a clock near its end cannot overflow.
int64_t ms_since_last_sample(const VarioSampler& sampler, int32_t now_ms) {
    return int64_t{now_ms} - int64_t{sampler.last_sample_ms};
}

}  // namespace

int vario_window_length(int32_t damping) {
    switch (damping) {
        case 1: return 24;
        case 3: return 96;
        default: return 48;
    }
}

bool vario_sample_due(const VarioSampler& sampler, int32_t now_ms) {
    return ms_since_last_sample(sampler, now_ms) > VARIO_SAMPLE_INTERVAL_MS;
}

double vario_scaled_vertical_speed(double vertical_speed, int32_t scale) {
    if (scale == 1) return vertical_speed * 2.0;
    if (scale == 3) return vertical_speed * 0.5;
    return vertical_speed;
}

void vario_take_sample(VarioSampler& sampler, const VarioSettings& settings, int32_t now_ms,
                       double vertical_speed, double airspeed_knots) {
    const double dt_ms = double(ms_since_last_sample(sampler, now_ms));
    const double v = airspeed_knots * KMH_PER_KNOT;
    const double p = sampler.previous_airspeed_kmh;
    // The scale is for the vertical speed only; the compensation term is added unscaled.
    const double x = vario_scaled_vertical_speed(vertical_speed, settings.scale) +
                     COMPENSATION_GAIN * settings.compensation * (v * v - p * p) / dt_ms;
    const std::span<double> window(sampler.history, std::size_t(vario_window_length(settings.damping)));
    sampler.reading = moving_average(window, x);
    sampler.previous_airspeed_kmh = v;
    sampler.last_sample_ms = now_ms;
}

double vario_needle_value(const VarioSampler& sampler) {
    if (sampler.reading > VARIO_FULL_SCALE) return VARIO_FULL_SCALE;
    if (sampler.reading < -VARIO_FULL_SCALE) return -VARIO_FULL_SCALE;
    return sampler.reading;
}
