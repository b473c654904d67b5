// The simulator's COM radio: the tuned frequency as a frequency word (four BCD digits,
// leading 1 left out: 0x1835 is 118.35 MHz) and the tuning events that change it.
#pragma once

#include <cstdint>
#include <optional>

#include "frame/gauge_frame.h"

constexpr uint32_t TOKEN_COM_FREQUENCY = 0x17;
constexpr uint32_t EVENT_COM_SET = 0x100AB;           // value: the new frequency word
constexpr uint32_t EVENT_COM_WHOLE_UP = 0x10065;      // +1 MHz, 136 wraps to 118
constexpr uint32_t EVENT_COM_WHOLE_DOWN = 0x10064;    // -1 MHz, 118 wraps to 136
constexpr uint32_t EVENT_COM_FRACTION_UP = 0x10067;   // +0.05 MHz, .95 wraps to .00 in the same MHz
constexpr uint32_t EVENT_COM_FRACTION_DOWN = 0x10066; // -0.05 MHz, .00 wraps to .95 in the same MHz

class ComRadioSim {
public:
    uint32_t word() const { return word_; }
    void set_word(uint32_t word) { word_ = word; }

    // The token's value when it is the COM frequency: the word in the first four bytes.
    std::optional<VAR_VALUE> read(uint32_t token) const;
    // Performs a COM event; false for any other event.
    bool perform(uint32_t event_id, uint32_t value);

private:
    uint32_t word_ = 0x1800;  // 118.00 MHz until someone tunes
};

// The word after each tuning step. Whole MHz wrap within 118-136, and a step from
// outside the band wraps the same way (up to 118, down to 136); a fraction step leaves
// every digit above the fraction alone.
uint32_t com_whole_step(uint32_t word, int direction);
uint32_t com_fraction_step(uint32_t word, int direction);
