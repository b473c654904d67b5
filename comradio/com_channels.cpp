// The channel selector and STORE: four memories and the manual position A.
#include "com_radio.h"

namespace {

bool on_memory(const ComRadioState& radio) { return radio.channel < COM_MEMORY_CHANNELS; }

void recall(ComRadioState& radio, ComLink& link) {
    radio.frequency = radio.memory[radio.channel];
    com_send_frequency(radio, link);
}

}  // namespace

void com_send_frequency(const ComRadioState& radio, ComLink& link) {
    link.send(COM_EVENT_SET_FREQUENCY, radio.frequency);
}

void com_channel_up(ComRadioState& radio, ComLink& link) {
    if (radio.channel < COM_MANUAL_POSITION) ++radio.channel;
    // Turning onto A sends nothing: the simulator keeps what it was tuned to.
    if (on_memory(radio)) recall(radio, link);
}

void com_channel_down(ComRadioState& radio, ComLink& link) {
    if (radio.channel > 0) --radio.channel;
    // Also at the stop, where the click sends the memory of position 0 again.
    recall(radio, link);
}

void com_store(ComRadioState& radio, ComLink& link) {
    if (!on_memory(radio)) return;
    radio.frequency = link.read_frequency();
    radio.memory[radio.channel] = radio.frequency;
    com_send_frequency(radio, link);
}
