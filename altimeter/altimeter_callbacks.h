// The altimeter's element callbacks and knob mouse functions, and the units variable they share.
#pragma once

#include "frame/gauge_frame.h"

// Token 0x14F, bound at initialize and refreshed by each hand before it reads.
extern MODULE_VAR alt_units_var;

FLOAT64 GAUGE_CALL alt_baro_ring_cb(MODULE_VAR* pressure_setting);
FLOAT64 GAUGE_CALL alt_short_needle_cb(MODULE_VAR* altitude);
FLOAT64 GAUGE_CALL alt_long_needle_cb(MODULE_VAR* altitude);

uint32_t GAUGE_CALL alt_baro_up_cb(PIXPOINT* point, uint32_t mouse_flags);
uint32_t GAUGE_CALL alt_baro_down_cb(PIXPOINT* point, uint32_t mouse_flags);
