// A moving average over a fixed history whose newest sample counts twice.
#include "moving_average.h"

#include <algorithm>

double moving_average(std::span<double> history, double sample) {
    const std::size_t n = history.size();
    if (n < 2) return sample;
    std::copy_backward(history.begin(), history.end() - 1, history.end());
    history[0] = sample;
    history[1] = sample;
    double sum = 0.0;
    for (std::size_t i = 0; i + 1 < n; ++i) sum += history[i];
    return sum / double(n - 1);
}
