// The COM frequency word and the tuning events of the simulated aircraft.
#include "com_radio.h"

namespace {

constexpr int LOWEST_MHZ = 118;
constexpr int HIGHEST_MHZ = 136;

// Megahertz from 100 up and hundredths of the word, digit by digit; a nibble above 9
// counts for its value, as the gauges read it.
int mhz_of(uint32_t word) { return 100 + 10 * int(word >> 12 & 0xF) + int(word >> 8 & 0xF); }
int hundredths_of(uint32_t word) { return 10 * int(word >> 4 & 0xF) + int(word & 0xF); }

uint32_t make_word(int mhz, int hundredths) {
    const int tens = (mhz - 100) / 10, units = (mhz - 100) % 10;
    return uint32_t(tens << 12 | units << 8 | hundredths / 10 << 4 | hundredths % 10);
}

}  // namespace

uint32_t com_whole_step(uint32_t word, int direction) {
    int mhz = mhz_of(word) + direction;
    if (mhz > HIGHEST_MHZ || mhz < LOWEST_MHZ) mhz = direction > 0 ? LOWEST_MHZ : HIGHEST_MHZ;
    return make_word(mhz, hundredths_of(word) % 100);
}

uint32_t com_fraction_step(uint32_t word, int direction) {
    const int hundredths = (hundredths_of(word) + 100 + 5 * direction) % 100;
    return (word & ~0xFFu) | uint32_t(hundredths / 10 << 4 | hundredths % 10);  // the MHz stay as they are
}

std::optional<VAR_VALUE> ComRadioSim::read(uint32_t token) const {
    if (token != TOKEN_COM_FREQUENCY) return std::nullopt;
    VAR_VALUE value{};
    value.d = word_;
    return value;
}

bool ComRadioSim::perform(uint32_t event_id, uint32_t value) {
    switch (event_id) {
        case EVENT_COM_SET: word_ = value; return true;
        case EVENT_COM_WHOLE_UP: word_ = com_whole_step(word_, +1); return true;
        case EVENT_COM_WHOLE_DOWN: word_ = com_whole_step(word_, -1); return true;
        case EVENT_COM_FRACTION_UP: word_ = com_fraction_step(word_, +1); return true;
        case EVENT_COM_FRACTION_DOWN: word_ = com_fraction_step(word_, -1); return true;
        default: return false;
    }
}
