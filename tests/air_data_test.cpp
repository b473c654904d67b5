// The simulated barometric altitude and pressure setting: what an altimeter would read,
// in the units the simulator is set to, and the pressure-setting events.
#include <gtest/gtest.h>

#include "host/sim/air_data.h"

namespace {

constexpr double FEET_PER_METRE = 1 / 0.3048;

TEST(AirData, StandardAtmosphereAltitudes) {
    struct Case {
        double hpa, metres;  // from the standard atmosphere's table
    } cases[] = {{1013.25, 0}, {1000, 111}, {900, 988}, {500, 5574}};
    for (const auto& c : cases) EXPECT_NEAR(standard_altitude_m(c.hpa), c.metres, 1.0) << c.hpa << " hPa";
}

TEST(AirData, AltitudeTokenIsTheAltimeterReadingInTheSimulatorsUnits) {
    struct Case {
        double pressure_altitude_m, setting_hpa, units, token;
    } cases[] = {
        {1000, 1013.25, 2, 1000},
        {1000, 1013.25, 0, 1000 * FEET_PER_METRE},
        {1000, 1013.25, 1, 1000 * FEET_PER_METRE},  // metric, but altitudes in feet
        {1000, 1000, 2, 1000 - 110.88},             // a lower setting reads lower
        {0, 1023.25, 2, 82.9},                      // a higher setting reads higher
    };
    for (const auto& c : cases) {
        AirDataSim air;
        air.set_pressure_altitude_m(c.pressure_altitude_m);
        air.set(TOKEN_PRESSURE_SETTING, c.setting_hpa);
        air.set(TOKEN_UNITS_OF_MEASURE, c.units);
        EXPECT_NEAR(air.read(TOKEN_BARO_ALTITUDE)->n, c.token, 0.5)
            << c.pressure_altitude_m << " m at " << c.setting_hpa << " hPa, units " << c.units;
    }
}

TEST(AirData, SettingTheAltitudeTokenMovesTheAircraftToThatReading) {
    AirDataSim air;
    air.set(TOKEN_PRESSURE_SETTING, 1000);
    air.set(TOKEN_BARO_ALTITUDE, 3000);  // feet: units 0
    EXPECT_NEAR(air.read(TOKEN_BARO_ALTITUDE)->n, 3000, 1e-9);
    EXPECT_NEAR(air.pressure_altitude_m(), 3000 * 0.3048 + standard_altitude_m(1000), 1e-9);
    air.set(TOKEN_PRESSURE_SETTING, 1013.25);  // turning the knob changes the reading, not the aircraft
    EXPECT_NEAR(air.indicated_altitude_m(), air.pressure_altitude_m(), 1e-9);
}

TEST(AirData, SettingEventsStepOneHectopascalWithinTheSubscale) {
    AirDataSim air;
    EXPECT_TRUE(air.perform(EVENT_PRESSURE_SETTING_UP));
    EXPECT_DOUBLE_EQ(air.pressure_setting_hpa(), 1014.25);
    EXPECT_TRUE(air.perform(EVENT_PRESSURE_SETTING_DOWN));
    EXPECT_TRUE(air.perform(EVENT_PRESSURE_SETTING_DOWN));
    EXPECT_DOUBLE_EQ(air.pressure_setting_hpa(), 1012.25);
    EXPECT_FALSE(air.perform(0x10065));  // not ours
    EXPECT_DOUBLE_EQ(air.pressure_setting_hpa(), 1012.25);

    for (int i = 0; i < 500; ++i) air.perform(EVENT_PRESSURE_SETTING_UP);
    EXPECT_DOUBLE_EQ(air.pressure_setting_hpa(), PRESSURE_SETTING_MAX_HPA);
    for (int i = 0; i < 500; ++i) air.perform(EVENT_PRESSURE_SETTING_DOWN);
    EXPECT_DOUBLE_EQ(air.pressure_setting_hpa(), PRESSURE_SETTING_MIN_HPA);
}

TEST(AirData, OtherTokensAreNotItsOwn) {
    AirDataSim air;
    EXPECT_FALSE(air.read(0x3D).has_value());
    EXPECT_FALSE(air.set(0x4E, 10));  // pitch is the aircraft's plain token
}

}  // namespace
