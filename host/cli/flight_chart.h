// The flight chart: altitude, the variometer's needle value, netto and the flight
// computer's speed command over simulated time, one strip each, drawn to PNG.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct ChartSample {
    double time_s;
    double altitude_m;
    double vario_ms;        // the variometer needle's value, in m/s
    double netto_ms;        // the air's own rising speed where the glider is
    double speed_command;   // the PULL/PUSH picture: 1 (pull hard) to 9 (push hard), 0 blank
};

// Draws the samples; throws std::runtime_error naming the file when it can't write it.
void write_flight_chart(const std::vector<ChartSample>& samples, const std::filesystem::path& png);
