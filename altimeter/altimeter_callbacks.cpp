// The altimeter's callbacks: each reads its variable, converts through altimeter_hands,
// and the knob halves ask the simulator to step the pressure setting.
#include "altimeter_callbacks.h"

#include "altimeter_hands.h"
#include "frame/panel_calls.h"

namespace {

constexpr uint32_t EVENT_PRESSURE_SETTING_UP = 0x1015B;
constexpr uint32_t EVENT_PRESSURE_SETTING_DOWN = 0x1015C;

// The units setting can change at any time, so each hand looks it up before converting.
double altitude_m(const MODULE_VAR* altitude) {
    lookup_var(&alt_units_var);
    return alt_altitude_m(altitude->var_value.n, alt_units_var.var_value.n);
}

}  // namespace

FLOAT64 GAUGE_CALL alt_baro_ring_cb(MODULE_VAR* pressure_setting) {
    return alt_ring_degrees(pressure_setting->var_value.n);
}

FLOAT64 GAUGE_CALL alt_short_needle_cb(MODULE_VAR* altitude) { return alt_short_hand_degrees(altitude_m(altitude)); }

FLOAT64 GAUGE_CALL alt_long_needle_cb(MODULE_VAR* altitude) { return alt_long_hand_degrees(altitude_m(altitude)); }

uint32_t GAUGE_CALL alt_baro_up_cb(PIXPOINT*, uint32_t mouse_flags) {
    trigger_key_event(EVENT_PRESSURE_SETTING_UP, 1);
    return mouse_flags;
}

uint32_t GAUGE_CALL alt_baro_down_cb(PIXPOINT*, uint32_t mouse_flags) {
    trigger_key_event(EVENT_PRESSURE_SETTING_DOWN, 1);
    return mouse_flags;
}
