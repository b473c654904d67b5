// The simulated aircraft as the gauges see it: every token they read, the clock of the
// simulator, and the effect of the events they send.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "host/core/sim_clock.h"
#include "host/core/simulator_variables.h"
#include "host/sim/trims.h"
#include "host/sim/com_radio.h"
#include "host/sim/air_data.h"

// Token numbers the host gives a meaning of its own.
constexpr uint32_t TOKEN_TICK18 = 0x01;        // rises by one 18 times a second
constexpr uint32_t TOKEN_CLOCK_HOUR = 0x03;
constexpr uint32_t TOKEN_CLOCK_MINUTE = 0x04;
constexpr uint32_t TOKEN_CLOCK_SECOND = 0x05;
constexpr uint32_t TOKEN_AIRSPEED = 0x3D;      // indicated airspeed, knots
constexpr uint32_t TOKEN_VERTICAL_SPEED = 0x41; // vertical speed, 1/256 m/s

class Aircraft : public SimulatorVariables {
public:
    explicit Aircraft(const SimClock& clock);

    // Sets a token that the aircraft does not derive itself.
    void set(uint32_t token, double value);
    void set_word(uint32_t token, uint32_t word);
    // The simulator's clock at simulated time 0.
    void set_time_of_day(int hours, int minutes, int seconds);

    VAR_VALUE read(uint32_t token) const override;
    void perform(uint32_t event_id, uint32_t value) override;

    TrimState& trims() { return trims_; }
    AirDataSim& air_data() { return air_data_; }

private:
    const SimClock& clock_;
    int64_t time_of_day_at_start_s_ = 12 * 3600;
    std::unordered_map<uint32_t, VAR_VALUE> tokens_;
    TrimState trims_;
    ComRadioSim com_radio_;
    AirDataSim air_data_;
};
