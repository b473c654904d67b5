// Glue between the host and the radio's operations: each callback reads the state,
// calls an operation and writes the result.
#include "com_callbacks.h"

#include "frame/panel_calls.h"
#include "frame/string_text.h"

ComRadioState com_radio;

namespace {

// The simulator through the panel operations.
class PanelComLink : public ComLink {
public:
    void send(uint32_t event_id, uint32_t value) override { trigger_key_event(event_id, value); }
    uint32_t read_frequency() override {
        lookup_var(&com_freq_var);
        return com_freq_var.var_value.d;  // a word in the first four bytes, not a FLOAT64
    }
};

PanelComLink panel_link;

}  // namespace

// Every mouse function hands back the flags it was given.
uint32_t GAUGE_CALL com_switch_cb(PIXPOINT*, uint32_t flags) { return flags; }

uint32_t GAUGE_CALL com_volume_up_cb(PIXPOINT*, uint32_t flags) {
    com_volume_up(com_radio);
    return flags;
}

uint32_t GAUGE_CALL com_volume_down_cb(PIXPOINT*, uint32_t flags) {
    com_volume_down(com_radio);
    return flags;
}

uint32_t GAUGE_CALL com_channel_up_cb(PIXPOINT*, uint32_t flags) {
    com_channel_up(com_radio, panel_link);
    return flags;
}

uint32_t GAUGE_CALL com_channel_down_cb(PIXPOINT*, uint32_t flags) {
    com_channel_down(com_radio, panel_link);
    return flags;
}

uint32_t GAUGE_CALL com_store_cb(PIXPOINT*, uint32_t flags) {
    com_store(com_radio, panel_link);
    return flags;
}

uint32_t GAUGE_CALL com_whole_up_cb(PIXPOINT*, uint32_t flags) {
    com_whole_up(com_radio, panel_link);
    return flags;
}

uint32_t GAUGE_CALL com_whole_down_cb(PIXPOINT*, uint32_t flags) {
    com_whole_down(com_radio, panel_link);
    return flags;
}

uint32_t GAUGE_CALL com_fraction_up_cb(PIXPOINT*, uint32_t flags) {
    com_fraction_up(com_radio, panel_link);
    return flags;
}

uint32_t GAUGE_CALL com_fraction_down_cb(PIXPOINT*, uint32_t flags) {
    com_fraction_down(com_radio, panel_link);
    return flags;
}

FLOAT64 GAUGE_CALL com_volume_knob_cb(MODULE_VAR*) { return com_volume_angle(com_radio); }
FLOAT64 GAUGE_CALL com_selector_knob_cb(MODULE_VAR*) { return com_selector_angle(com_radio); }
FLOAT64 GAUGE_CALL com_whole_knob_cb(MODULE_VAR*) { return com_whole_knob_angle(com_radio); }
FLOAT64 GAUGE_CALL com_fraction_knob_cb(MODULE_VAR*) { return com_fraction_knob_angle(com_radio); }

// Shows the simulator's frequency as read now, whatever the selector says.
FLOAT64 GAUGE_CALL com_display_cb(MODULE_VAR* source) {
    com_decode_frequency(com_radio, panel_link);
    write_string_text(com_display, com_display_text(com_radio.decoded.mhz).data());
    return source->var_value.n;
}

void com_bind_frequency_var() { initialize_var(&com_freq_var); }

void com_tune_at_install() { com_send_frequency(com_radio, panel_link); }
