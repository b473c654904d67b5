// Glue between the host and the flight computer's logic: each callback reads its
// variables, calls a pure function over fc_state and writes the result.
#include "fc_callbacks.h"

#include <initializer_list>

#include "air_data.h"
#include "buttons.h"
#include "climb_readout.h"
#include "flight_time.h"
#include "frame/module_clock.h"
#include "frame/panel_calls.h"
#include "frame/string_text.h"
#include "glide_display.h"
#include "labels.h"
#include "lcd_readouts.h"
#include "nav_file.h"
#include "page_logic.h"
#include "power.h"
#include "settings_file.h"
#include "wind.h"

ComputerState fc_state;

namespace {

// Every variable is refreshed right before its value is read.
double read_number(MODULE_VAR& var) {
    lookup_var(&var);
    return var.var_value.n;
}

void sample_altitude_and_units() {
    const double altitude = read_number(fc_altitude_var);
    store_altitude_and_units(fc_state, altitude, read_number(fc_units_var));
}

int32_t read_clock_seconds() {
    const double hours = read_number(fc_hour_var);
    const double minutes = read_number(fc_minute_var);
    return clock_seconds_from(hours, minutes, read_number(fc_second_var));
}

void show_readout(const ClimbReadout& readout, ELEMENT_STRING& whole, ELEMENT_STRING& point,
                  ELEMENT_STRING& tenths) {
    if (readout.action == ReadoutAction::Keep) return;
    write_string_text(whole, readout.texts.whole);
    write_string_text(point, readout.texts.point);
    write_string_text(tenths, readout.texts.tenths);
}

}  // namespace

// The air data are computed here on every update, whether the computer is on or off.
FLOAT64 GAUGE_CALL net_readout_cb(MODULE_VAR*) {
    const int32_t now_ms = module_clock_ms();
    if (air_data_due(fc_state, now_ms)) {
        const double vertical_speed = read_number(fc_vertical_speed_var);
        compute_air_data(fc_state, now_ms, {vertical_speed, read_number(fc_airspeed_var)});
    }
    show_readout(step_net_readout(fc_state, now_ms), fc_net_whole, fc_net_point, fc_net_tenths);
    return 0.0;
}

FLOAT64 GAUGE_CALL avg_readout_cb(MODULE_VAR*) {
    show_readout(step_avg_readout(fc_state, module_clock_ms()), fc_avg_whole, fc_avg_point,
                 fc_avg_tenths);
    return 0.0;
}

FLOAT64 GAUGE_CALL dist_readout_cb(MODULE_VAR*) {
    DistTexts texts = {"", "", ""};
    if (dist_row_shown(fc_state))
        texts = fc_state.page == PAGE_ALTIMETER ? pressure_texts(fc_state, read_number(fc_pressure_var))
                                                : distance_texts(fc_state);
    write_string_text(fc_dist_whole, texts.whole);
    write_string_text(fc_dist_point, texts.point);
    write_string_text(fc_dist_tenths, texts.tenths);
    return 0.0;
}

FLOAT64 GAUGE_CALL alt_readout_cb(MODULE_VAR*) {
    if (!alt_readout_shown(fc_state)) {
        write_string_text(fc_alt_readout, "");
        return 0.0;
    }
    if (alt_readout_shows_altitude(fc_state)) sample_altitude_and_units();
    write_string_text(fc_alt_readout, alt_readout_text(fc_state).c_str());
    return 0.0;
}

// Samples, the wind and the settings file on every run; the navigation file and the
// pages only while on.
FLOAT64 GAUGE_CALL title_line_cb(MODULE_VAR*) {
    const int32_t now_ms = module_clock_ms();
    sample_altitude_and_units();
    update_wind(fc_state, now_ms, read_number(fc_airspeed_var));
    write_settings_file(fc_state);
    if (!fc_state.power_on) {
        write_string_text(fc_title_line, "");
        return 0.0;
    }
    read_nav_file(fc_state);
    set_page_flags(fc_state);
    if (fc_state.page == PAGE_FLIGHT_TIME) {
        fc_state.clock_seconds = read_clock_seconds();
        fc_state.flight_seconds = flight_seconds_between(fc_state.start_seconds, fc_state.clock_seconds);
    }
    if (const auto title = page_title(fc_state, now_ms)) write_string_text(fc_title_line, title->c_str());
    return 0.0;
}

FLOAT64 GAUGE_CALL net_label_cb(MODULE_VAR*) { return label_picture(fc_state, fc_state.show_net); }
FLOAT64 GAUGE_CALL avg_label_cb(MODULE_VAR*) { return label_picture(fc_state, fc_state.show_avg); }
FLOAT64 GAUGE_CALL dist_label_cb(MODULE_VAR*) { return label_picture(fc_state, fc_state.show_dist); }
FLOAT64 GAUGE_CALL alt_label_cb(MODULE_VAR*) { return label_picture(fc_state, fc_state.show_alt); }
FLOAT64 GAUGE_CALL req_diff_label_cb(MODULE_VAR*) { return req_diff_picture(fc_state); }
FLOAT64 GAUGE_CALL scale_half_mark_cb(MODULE_VAR*) {
    return label_picture(fc_state, fc_state.show_scale_half);
}
FLOAT64 GAUGE_CALL scale_double_mark_cb(MODULE_VAR*) {
    return label_picture(fc_state, fc_state.show_scale_double);
}

// Shows or hides the slider through its own hidden bit, then gives its offset [m].
FLOAT64 GAUGE_CALL glide_bar_cb(MODULE_VAR*) {
    const GlideBar bar = glide_bar(fc_state);
    if (bar.shown)
        fc_glide_bar.header.image_flags &= ~IMAGE_HIDDEN;
    else
        fc_glide_bar.header.image_flags |= IMAGE_HIDDEN;
    return bar.shown ? bar.offset_m : 0.0;
}

FLOAT64 GAUGE_CALL glide_bar_index_cb(MODULE_VAR*) { return glide_bar_index_picture(fc_state); }
FLOAT64 GAUGE_CALL speed_command_cb(MODULE_VAR*) { return speed_command_picture(fc_state); }

uint32_t GAUGE_CALL knob_click(PIXPOINT*, uint32_t flags) {
    // The clock is read only when switching on, where it starts the flight time.
    const int32_t clock_seconds = fc_state.power_on ? fc_state.clock_seconds : read_clock_seconds();
    toggle_power(fc_state, module_clock_ms(), clock_seconds);
    return flags;
}

// The push buttons ignore the power state; each hands back its flags.
uint32_t GAUGE_CALL go_click(PIXPOINT*, uint32_t flags) {
    press_go(fc_state);
    return flags;
}

uint32_t GAUGE_CALL left_click(PIXPOINT*, uint32_t flags) {
    press_left(fc_state);
    return flags;
}

uint32_t GAUGE_CALL right_click(PIXPOINT*, uint32_t flags) {
    press_right(fc_state);
    return flags;
}

uint32_t GAUGE_CALL up_click(PIXPOINT*, uint32_t flags) {
    if (const uint32_t event = press_up(fc_state)) trigger_key_event(event, 1);
    return flags;
}

uint32_t GAUGE_CALL down_click(PIXPOINT*, uint32_t flags) {
    if (const uint32_t event = press_down(fc_state)) trigger_key_event(event, 1);
    return flags;
}

void fc_bind_vars() {
    for (MODULE_VAR* var : {&fc_units_var, &fc_airspeed_var, &fc_altitude_var, &fc_vertical_speed_var,
                            &fc_pressure_var, &fc_hour_var, &fc_minute_var, &fc_second_var})
        initialize_var(var);
}
