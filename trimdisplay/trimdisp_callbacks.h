// The trim display's needle callback and its six trim step areas.
#pragma once

#include "frame/gauge_frame.h"

// Trim step events, one step of the dial's trim each.
constexpr uint32_t TRIMDISP_EVENT_ELEV_UP = 0x1004F;
constexpr uint32_t TRIMDISP_EVENT_ELEV_DOWN = 0x10047;
constexpr uint32_t TRIMDISP_EVENT_AILERON_LEFT = 0x102E4;
constexpr uint32_t TRIMDISP_EVENT_AILERON_RIGHT = 0x102E5;
constexpr uint32_t TRIMDISP_EVENT_RUDDER_LEFT = 0x102E6;
constexpr uint32_t TRIMDISP_EVENT_RUDDER_RIGHT = 0x102E7;

// Every needle's: the trim token's value as it is, in radians.
FLOAT64 GAUGE_CALL trimdisp_needle_cb(ELEMENT_HEADER* element);

uint32_t GAUGE_CALL trimdisp_elev_up_cb(PIXPOINT* point, uint32_t mouse_flags);
uint32_t GAUGE_CALL trimdisp_elev_down_cb(PIXPOINT* point, uint32_t mouse_flags);
uint32_t GAUGE_CALL trimdisp_rudder_right_cb(PIXPOINT* point, uint32_t mouse_flags);
uint32_t GAUGE_CALL trimdisp_rudder_left_cb(PIXPOINT* point, uint32_t mouse_flags);
uint32_t GAUGE_CALL trimdisp_aileron_up_cb(PIXPOINT* point, uint32_t mouse_flags);
uint32_t GAUGE_CALL trimdisp_aileron_down_cb(PIXPOINT* point, uint32_t mouse_flags);
