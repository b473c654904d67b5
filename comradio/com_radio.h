// The radio's own state and the operations behind its mouse areas. They talk to the
// simulator only through ComLink, so they run the same in the gauge and in a test.
#pragma once

#include <array>
#include <cstdint>

#include "com_frequency.h"

constexpr uint32_t COM_EVENT_SET_FREQUENCY = 0x100AB;  // value: a frequency word
constexpr uint32_t COM_EVENT_WHOLE_UP = 0x10065;       // +1 MHz
constexpr uint32_t COM_EVENT_WHOLE_DOWN = 0x10064;     // -1 MHz
constexpr uint32_t COM_EVENT_FRACTION_UP = 0x10067;    // +0.05 MHz, wrapping within the MHz
constexpr uint32_t COM_EVENT_FRACTION_DOWN = 0x10066;  // -0.05 MHz, wrapping within the MHz

constexpr int32_t COM_MEMORY_CHANNELS = 4;     // selector positions 0 to 3, labelled 4 3 2 1
constexpr int32_t COM_MANUAL_POSITION = 4;     // labelled A: no memory
constexpr int32_t COM_MAX_VOLUME = 9;
constexpr int32_t COM_WHOLE_KNOB_STEPS = 19;   // outer knob positions a turn
constexpr int32_t COM_FRACTION_KNOB_STEPS = 20; // inner knob positions a turn

// The simulator as the radio sees it.
class ComLink {
public:
    virtual ~ComLink() = default;
    virtual void send(uint32_t event_id, uint32_t value) = 0;
    // The simulator's COM frequency word, refreshed at this call.
    virtual uint32_t read_frequency() = 0;
};

// Lives as long as the module: a panel's kill and a later install keep it.
struct ComRadioState {
    uint32_t frequency = 0x1800;  // last recalled or stored; sent at every install
    std::array<uint32_t, COM_MEMORY_CHANNELS> memory = {0x1930, 0x2210, 0x1835, 0x2070};
    int32_t channel = COM_MANUAL_POSITION;
    int32_t volume = 0;           // turns the knob only; no sound or event depends on it
    int32_t whole_knob = 0;       // 0 to 18; not tied to the simulator's frequency
    int32_t fraction_knob = 0;    // 0 to 19
    ComDecoded decoded;           // the last read-back of the simulator's frequency
};

void com_send_frequency(const ComRadioState& radio, ComLink& link);
void com_decode_frequency(ComRadioState& radio, ComLink& link);

void com_volume_up(ComRadioState& radio);
void com_volume_down(ComRadioState& radio);

// Selector and STORE: recall a memory into the simulator, or store the simulator's
// frequency into the memory under the selector.
void com_channel_up(ComRadioState& radio, ComLink& link);
void com_channel_down(ComRadioState& radio, ComLink& link);
void com_store(ComRadioState& radio, ComLink& link);

// Tuning knobs: outer whole MHz, inner 0.05 MHz with carry and borrow into the MHz.
void com_whole_up(ComRadioState& radio, ComLink& link);
void com_whole_down(ComRadioState& radio, ComLink& link);
void com_fraction_up(ComRadioState& radio, ComLink& link);
void com_fraction_down(ComRadioState& radio, ComLink& link);

// Knob angles in degrees, clockwise from the pointer bitmap's 3 o'clock.
int32_t com_volume_angle(const ComRadioState& radio);
int32_t com_selector_angle(const ComRadioState& radio);
int32_t com_whole_knob_angle(const ComRadioState& radio);
int32_t com_fraction_knob_angle(const ComRadioState& radio);
