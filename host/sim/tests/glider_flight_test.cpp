// The flight written into the aircraft's tokens, as the gauges read them.
#include <gtest/gtest.h>

#include <cmath>

#include "host/core/sim_clock.h"
#include "host/sim/aircraft.h"
#include "host/sim/glider_flight.h"

namespace {

TEST(GliderFlight, TokensCarryTheFlight) {
    SimClock clock;
    Aircraft aircraft(clock);
    aircraft.set(TOKEN_UNITS_OF_MEASURE, 2);
    aircraft.set(TOKEN_PRESSURE_SETTING, 1020);
    GliderFlight flight;
    flight.navigation.mode = NavigationMode::Off;
    flight.air.sea_level_pressure_hpa = 1020;
    flight.glider.altitude_m = 1234;
    flight.glider.true_airspeed_ms = 100 / 3.6;
    flight.glider.vertical_speed_ms = -0.75;
    flight.glider.pitch_deg = 3;
    flight.glider.bank_deg = 30;  // to the right
    flight.write_tokens(aircraft);

    EXPECT_NEAR(aircraft.read(TOKEN_BARO_ALTITUDE).n, 1234, 1e-6);
    EXPECT_NEAR(aircraft.read(TOKEN_AIRSPEED).n, flight.indicated_airspeed_kmh() / 1.852, 1e-9);
    EXPECT_LT(aircraft.read(TOKEN_AIRSPEED).n, 100 / 1.852);  // thinner air up there
    EXPECT_DOUBLE_EQ(aircraft.read(0x41).n, -0.75 * 256);
    EXPECT_DOUBLE_EQ(aircraft.read(TOKEN_PITCH).n, 3);
    EXPECT_DOUBLE_EQ(aircraft.read(TOKEN_BANK).n, -30);  // the indicator counts a left bank positive

    aircraft.perform(EVENT_PRESSURE_SETTING_UP, 1);  // turning the knob moves the reading, not the glider
    EXPECT_NEAR(aircraft.read(TOKEN_BARO_ALTITUDE).n, 1234 + 8.3, 0.2);
}

TEST(GliderFlight, StepsByTheClockAndReportsPhaseChanges) {
    GliderFlight flight;
    flight.navigation.mode = NavigationMode::Off;
    flight.pilot.task.goal_m = {0, 5000};
    flight.glider.altitude_m = 1000;  // high enough to glide 5 km home at once
    EXPECT_FALSE(flight.step_to(0).has_value());
    EXPECT_EQ(flight.glider.altitude_m, 1000);  // the first call only sets the time
    auto changed = flight.step_to(56);
    ASSERT_TRUE(changed.has_value());
    EXPECT_EQ(*changed, PilotPhase::FinalGlide);
    EXPECT_LT(flight.glider.altitude_m, 1000);
    EXPECT_FALSE(flight.step_to(111).has_value());

    flight.pilot_on = false;  // without the pilot the glider holds what it was given
    flight.controls = {120, 0};
    for (int64_t t = 111; t < 20000; t += 55) flight.step_to(t);
    EXPECT_NEAR(flight.indicated_airspeed_kmh(), 120, 0.5);
}

}  // namespace
