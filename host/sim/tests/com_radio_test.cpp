// The simulated COM radio: the frequency word token and what each tuning event makes of it.
#include <gtest/gtest.h>

#include "host/sim/aircraft.h"

namespace {

TEST(ComRadioSim, EventsStepTheFrequencyWord) {
    struct Case {
        uint32_t before, event, value, after;
        const char* what;
    } cases[] = {
        {0x1800, EVENT_COM_SET, 0x2150, 0x2150, "set"},
        {0x1890, EVENT_COM_FRACTION_UP, 0, 0x1895, "fraction up"},
        {0x1895, EVENT_COM_FRACTION_UP, 0, 0x1800, "fraction up wraps within the MHz"},
        {0x1805, EVENT_COM_FRACTION_DOWN, 0, 0x1800, "fraction down"},
        {0x1900, EVENT_COM_FRACTION_DOWN, 0, 0x1995, "fraction down wraps within the MHz"},
        {0x1850, EVENT_COM_WHOLE_UP, 0, 0x1950, "whole up"},
        {0x1950, EVENT_COM_WHOLE_DOWN, 0, 0x1850, "whole down"},
        {0x3625, EVENT_COM_WHOLE_UP, 0, 0x1825, "136 up wraps to 118"},
        {0x1825, EVENT_COM_WHOLE_DOWN, 0, 0x3625, "118 down wraps to 136"},
        {0xA000, EVENT_COM_WHOLE_UP, 0, 0x1800, "from outside the band up"},
        {0x0950, EVENT_COM_WHOLE_DOWN, 0, 0x3650, "from outside the band down"},
        {0x59000, EVENT_COM_FRACTION_UP, 0, 0x59005, "fraction leaves the digits above alone"},
        {0x1850, 0x10000, 7, 0x1850, "another event"},
    };
    for (const auto& c : cases) {
        SimClock clock;
        Aircraft aircraft(clock);
        aircraft.set_word(TOKEN_COM_FREQUENCY, c.before);
        aircraft.perform(c.event, c.value);
        EXPECT_EQ(aircraft.read(TOKEN_COM_FREQUENCY).d, c.after) << c.what;
    }
}

TEST(ComRadioSim, TheTokenCarriesAWordInItsFirstFourBytes) {
    SimClock clock;
    Aircraft aircraft(clock);
    EXPECT_EQ(aircraft.read(TOKEN_COM_FREQUENCY).d, 0x1800u) << "118.00 until someone tunes";
    aircraft.set(TOKEN_COM_FREQUENCY, 0x3695);  // as the command line sets a token
    VAR_VALUE value = aircraft.read(TOKEN_COM_FREQUENCY);
    EXPECT_EQ(value.d, 0x3695u);
    EXPECT_EQ(value.bytes[4] | value.bytes[5] | value.bytes[6] | value.bytes[7], 0);
}

}  // namespace
