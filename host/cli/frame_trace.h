// trace.csv: one row per frame with the simulated truth and what every gauge showed —
// each element's hidden flag and, by kind, its needle angle, text, picture, slider
// offsets or sprite offsets and turn — and the events the gauges sent in that frame.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "host/core/panel.h"
#include "host/sim/glider_flight.h"

// A gauge of the panel, under the module name scenarios call it by.
struct TracedGauge {
    std::string module;
    const GaugeInstance* gauge;
};

class FrameTrace {
public:
    // Opens the file; throws std::runtime_error naming it when it can't.
    explicit FrameTrace(const std::filesystem::path& path);
    ~FrameTrace();
    FrameTrace(const FrameTrace&) = delete;
    FrameTrace& operator=(const FrameTrace&) = delete;

    // Writes the header at the first row; the gauges must stay the same afterwards.
    void write_row(int64_t time_ms, const GliderFlight& flight, const std::vector<TracedGauge>& gauges,
                   const std::vector<SentEvent>& events);
    // Writes out what is buffered; throws std::runtime_error naming the file when it can't.
    void flush();

private:
    void write_header(const std::vector<TracedGauge>& gauges);

    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
    bool header_written_ = false;
    std::string row_;  // reused for every row
};
