// Barometric altitude through the standard atmosphere, and the pressure-setting knob's events.
#include "air_data.h"

#include <algorithm>

#include "host/core/simulator_variables.h"

namespace {

constexpr double METRES_PER_FOOT = 0.3048;

}  // namespace

double AirDataSim::indicated_altitude_m() const { return pressure_altitude_m_ - standard_altitude_(setting_hpa_); }

bool AirDataSim::set(uint32_t token, double value) {
    switch (token) {
        case TOKEN_BARO_ALTITUDE: {
            const double metres = in_metres() ? value : value * METRES_PER_FOOT;
            pressure_altitude_m_ = metres + standard_altitude_(setting_hpa_);
            return true;
        }
        case TOKEN_PRESSURE_SETTING: setting_hpa_ = value; return true;
        case TOKEN_UNITS_OF_MEASURE: units_ = value; return true;
        default: return false;
    }
}

std::optional<VAR_VALUE> AirDataSim::read(uint32_t token) const {
    switch (token) {
        case TOKEN_BARO_ALTITUDE: {
            const double metres = indicated_altitude_m();
            return number_value(in_metres() ? metres : metres / METRES_PER_FOOT);
        }
        case TOKEN_PRESSURE_SETTING: return number_value(setting_hpa_);
        case TOKEN_UNITS_OF_MEASURE: return number_value(units_);
        default: return std::nullopt;
    }
}

bool AirDataSim::perform(uint32_t event_id) {
    double step = 0.0;
    if (event_id == EVENT_PRESSURE_SETTING_UP) step = PRESSURE_SETTING_STEP_HPA;
    else if (event_id == EVENT_PRESSURE_SETTING_DOWN) step = -PRESSURE_SETTING_STEP_HPA;
    else return false;
    setting_hpa_ = std::clamp(setting_hpa_ + step, PRESSURE_SETTING_MIN_HPA, PRESSURE_SETTING_MAX_HPA);
    return true;
}
