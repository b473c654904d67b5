// The tuning knob pair: whole MHz on the outer knob, 0.05 MHz steps on the inner one,
// which carries into and borrows from the MHz at .95 and .00.
#include "com_radio.h"

namespace {

void turn_whole_knob(ComRadioState& radio, int32_t step) {
    radio.whole_knob = (radio.whole_knob + step + COM_WHOLE_KNOB_STEPS) % COM_WHOLE_KNOB_STEPS;
}

}  // namespace

void com_decode_frequency(ComRadioState& radio, ComLink& link) { radio.decoded = com_decode_word(link.read_frequency()); }

void com_whole_up(ComRadioState& radio, ComLink& link) {
    turn_whole_knob(radio, +1);
    link.send(COM_EVENT_WHOLE_UP, 0);
}

void com_whole_down(ComRadioState& radio, ComLink& link) {
    turn_whole_knob(radio, -1);
    link.send(COM_EVENT_WHOLE_DOWN, 0);
}

// The simulator's fraction step wraps within the MHz. The read-back right after the
// step still shows the frequency from before it, so .95 means the step wrapped to .00
// and the MHz must follow.
void com_fraction_up(ComRadioState& radio, ComLink& link) {
    if (++radio.fraction_knob == COM_FRACTION_KNOB_STEPS) {
        radio.fraction_knob = 0;
        turn_whole_knob(radio, +1);
    }
    link.send(COM_EVENT_FRACTION_UP, 0);
    com_decode_frequency(radio, link);
    if (radio.decoded.d3 == 9 && radio.decoded.d4 == 5) link.send(COM_EVENT_WHOLE_UP, 0);
}

void com_fraction_down(ComRadioState& radio, ComLink& link) {
    if (--radio.fraction_knob < 0) {
        radio.fraction_knob = COM_FRACTION_KNOB_STEPS - 1;
        turn_whole_knob(radio, -1);
    }
    link.send(COM_EVENT_FRACTION_DOWN, 0);
    com_decode_frequency(radio, link);
    if (radio.decoded.d3 == 0 && radio.decoded.d4 == 0) link.send(COM_EVENT_WHOLE_DOWN, 0);
}
