// A moving average over a fixed history whose newest sample counts twice.
#pragma once

#include <span>

// Shifts sample into the front of history (slot 0 takes the sample, every slot i takes
// what slot i - 1 held, the oldest value drops out), so the two front slots both hold
// the sample, and returns the mean of all slots but the last. For a constant input the
// result reaches that input after history.size() - 2 samples. The sum is taken afresh
// every call, so a bad sample (NaN, infinity) spoils only the calls while it is in the
// window. A history of fewer than two slots keeps nothing and returns the sample.
double moving_average(std::span<double> history, double sample);
