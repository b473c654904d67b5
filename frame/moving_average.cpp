// A moving average over a fixed history whose newest sample counts twice.
#include "moving_average.h"

double moving_average(std::span<double> history, double sample) {
    const std::size_t n = history.size();
    if (n < 2) return sample;
    history[0] = sample;
    for (std::size_t i = n - 1; i >= 1; --i) history[i] = history[i - 1];
    double sum = 0.0;
    for (std::size_t i = 0; i + 1 < n; ++i) sum += history[i];
    return sum / double(n - 1);
}
