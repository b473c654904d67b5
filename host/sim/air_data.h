// The simulator's barometric altitude, pressure setting and units, and the attitude
// tokens the attitude indicator reads.
//
// The aircraft flies at a pressure altitude (the altitude of the standard atmosphere
// whose pressure it meets). An altimeter set to p hPa reads that altitude minus the
// standard altitude of p, so with 1013.25 hPa it reads the pressure altitude and each
// hPa more reads about 8 m higher. Token 0x4A is that reading, in feet, or in metres
// when token 0x14F is 2.
#pragma once

#include <cstdint>
#include <optional>

#include "frame/gauge_frame.h"
#include "host/sim/remembered_function.h"
#include "host/sim/standard_atmosphere.h"

constexpr uint32_t TOKEN_BARO_ALTITUDE = 0x4A;       // what the altimeter reads: feet, or metres (units 2)
constexpr uint32_t TOKEN_PRESSURE_SETTING = 0x4B;    // hPa (millibars)
constexpr uint32_t TOKEN_UNITS_OF_MEASURE = 0x14F;   // 0 English, 1 metric (feet), 2 metric (metres)
constexpr uint32_t TOKEN_PITCH = 0x4E;               // degrees, positive nose up; kept as set
constexpr uint32_t TOKEN_BANK = 0x50;                // degrees, positive left bank; kept as set
constexpr uint32_t EVENT_PRESSURE_SETTING_UP = 0x1015B;
constexpr uint32_t EVENT_PRESSURE_SETTING_DOWN = 0x1015C;

constexpr double PRESSURE_SETTING_STEP_HPA = 1.0;
// The setting stays within what an altimeter subscale offers, however long a knob is held.
constexpr double PRESSURE_SETTING_MIN_HPA = 940.0;
constexpr double PRESSURE_SETTING_MAX_HPA = 1080.0;

class AirDataSim {
public:
    double pressure_altitude_m() const { return pressure_altitude_m_; }
    void set_pressure_altitude_m(double metres) { pressure_altitude_m_ = metres; }
    double pressure_setting_hpa() const { return setting_hpa_; }
    // What an altimeter set to the current pressure setting reads, metres.
    double indicated_altitude_m() const;

    // Sets 0x4A (moving the aircraft to where the altimeter reads that value, in the units
    // in force, so set 0x14F first), 0x4B or 0x14F; false for any other token.
    bool set(uint32_t token, double value);
    std::optional<VAR_VALUE> read(uint32_t token) const;
    // Steps the pressure setting; false for any other event.
    bool perform(uint32_t event_id);

private:
    bool in_metres() const { return units_ == 2.0; }

    double pressure_altitude_m_ = 0.0;
    double setting_hpa_ = STANDARD_PRESSURE_HPA;
    double units_ = 0.0;
    // Of the pressure setting: every altitude read needs it.
    RememberedFunction standard_altitude_{standard_altitude_m};
};
