// Simulated time: the host advances it frame by frame, and every module's clock follows.
#pragma once

#include <cstdint>

class SimClock {
public:
    int64_t now_ms() const { return now_ms_; }
    void advance_ms(int64_t ms) { now_ms_ += ms; }

private:
    int64_t now_ms_ = 0;
};
