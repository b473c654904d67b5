// The needles show their trim token unchanged; each area sends one trim step.
#include "trimdisp_callbacks.h"

#include "frame/panel_calls.h"

FLOAT64 GAUGE_CALL trimdisp_needle_cb(ELEMENT_HEADER* element) {
    return reinterpret_cast<ELEMENT_NEEDLE*>(element)->source_var.var_value.n;
}

namespace {

uint32_t send_step(uint32_t event_id) {
    trigger_key_event(event_id, 0);
    return 0;
}

}  // namespace

uint32_t GAUGE_CALL trimdisp_elev_up_cb(PIXPOINT*, uint32_t) { return send_step(TRIMDISP_EVENT_ELEV_UP); }
uint32_t GAUGE_CALL trimdisp_elev_down_cb(PIXPOINT*, uint32_t) { return send_step(TRIMDISP_EVENT_ELEV_DOWN); }
uint32_t GAUGE_CALL trimdisp_rudder_right_cb(PIXPOINT*, uint32_t) { return send_step(TRIMDISP_EVENT_RUDDER_RIGHT); }
uint32_t GAUGE_CALL trimdisp_rudder_left_cb(PIXPOINT*, uint32_t) { return send_step(TRIMDISP_EVENT_RUDDER_LEFT); }
uint32_t GAUGE_CALL trimdisp_aileron_up_cb(PIXPOINT*, uint32_t) { return send_step(TRIMDISP_EVENT_AILERON_RIGHT); }
uint32_t GAUGE_CALL trimdisp_aileron_down_cb(PIXPOINT*, uint32_t) { return send_step(TRIMDISP_EVENT_AILERON_LEFT); }
