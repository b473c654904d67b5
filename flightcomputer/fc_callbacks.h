// The flight computer's callbacks as the host calls them: element callbacks, mouse
// functions and the variables bound at install.
#pragma once

#include "computer_state.h"
#include "frame/gauge_frame.h"

// Declared with the gauge's records.
extern MODULE_VAR fc_units_var;           // 0x14F units mode
extern MODULE_VAR fc_airspeed_var;        // 0x3D airspeed [knots]
extern MODULE_VAR fc_altitude_var;        // 0x4A altitude [ft or m]
extern MODULE_VAR fc_vertical_speed_var;  // 0x41 vertical speed [1/256 m/s]
extern MODULE_VAR fc_pressure_var;        // 0x4B altimeter setting [mbar]
extern MODULE_VAR fc_hour_var;            // 3 clock hours
extern MODULE_VAR fc_minute_var;          // 4 clock minutes
extern MODULE_VAR fc_second_var;          // 5 clock seconds
extern ELEMENT_STRING fc_net_point, fc_net_whole, fc_net_tenths;
extern ELEMENT_STRING fc_avg_point, fc_avg_whole, fc_avg_tenths;
extern ELEMENT_STRING fc_dist_point, fc_dist_whole, fc_dist_tenths;
extern ELEMENT_STRING fc_alt_readout;
extern ELEMENT_STRING fc_title_line;
extern ELEMENT_SLIDER fc_glide_bar;

// The module's one state, from load to unload.
extern ComputerState fc_state;

FLOAT64 GAUGE_CALL net_readout_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL avg_readout_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL dist_readout_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL alt_readout_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL title_line_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL net_label_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL avg_label_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL dist_label_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL alt_label_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL req_diff_label_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL glide_bar_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL glide_bar_index_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL speed_command_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL scale_half_mark_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL scale_double_mark_cb(MODULE_VAR*);

uint32_t GAUGE_CALL knob_click(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL go_click(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL left_click(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL right_click(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL up_click(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL down_click(PIXPOINT*, uint32_t flags);

void fc_bind_vars();  // install: the eight variables, in their table's order
