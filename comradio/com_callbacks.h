// The radio's callbacks as the host calls them: mouse functions, element callbacks and
// the two steps the radio adds to install and initialize.
#pragma once

#include "com_radio.h"
#include "frame/gauge_frame.h"

// Declared with the gauge's records.
extern MODULE_VAR com_freq_var;      // token 0x17, the simulator's COM frequency word
extern ELEMENT_STRING com_display;   // the frequency display

// The radio's module-wide state.
extern ComRadioState com_radio;

uint32_t GAUGE_CALL com_switch_cb(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL com_volume_up_cb(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL com_volume_down_cb(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL com_channel_up_cb(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL com_channel_down_cb(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL com_store_cb(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL com_whole_up_cb(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL com_whole_down_cb(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL com_fraction_up_cb(PIXPOINT*, uint32_t flags);
uint32_t GAUGE_CALL com_fraction_down_cb(PIXPOINT*, uint32_t flags);

FLOAT64 GAUGE_CALL com_volume_knob_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL com_selector_knob_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL com_whole_knob_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL com_fraction_knob_cb(MODULE_VAR*);
FLOAT64 GAUGE_CALL com_display_cb(MODULE_VAR* source);

void com_bind_frequency_var();     // initialize: before the element tree
void com_tune_at_install();        // install: after the mouse list is registered
