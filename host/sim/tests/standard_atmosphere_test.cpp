// The standard atmosphere and indicated airspeed against the published table of the
// standard atmosphere.
#include <gtest/gtest.h>

#include "host/sim/airspeed.h"
#include "host/sim/standard_atmosphere.h"

namespace {

TEST(StandardAtmosphere, MatchesTheTable) {
    struct Row {
        double metres, kelvin, hpa, density;
    } rows[] = {  // at geopotential altitudes, as the standard tabulates them
        {0, 288.15, 1013.25, 1.2250},  {1000, 281.65, 898.75, 1.1116}, {2000, 275.15, 794.95, 1.0065},
        {5000, 255.65, 540.20, 0.7361}, {11000, 216.65, 226.32, 0.3639}, {-500, 291.40, 1074.78, 1.2849},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(standard_temperature_k(row.metres), row.kelvin, 0.01) << row.metres << " m";
        EXPECT_NEAR(standard_pressure_hpa(row.metres), row.hpa, 0.05) << row.metres << " m";
        EXPECT_NEAR(standard_density_kg_m3(row.metres), row.density, 0.0005) << row.metres << " m";
        EXPECT_NEAR(standard_altitude_m(row.hpa), row.metres, 0.5) << row.hpa << " hPa";
    }
}

TEST(Airspeed, IndicatedFollowsTheDensity) {
    EXPECT_DOUBLE_EQ(indicated_airspeed(30.0, SEA_LEVEL_DENSITY_KG_M3), 30.0);
    // At 3000 m (0.9091 kg/m^3) a true 100 reads about 86.
    EXPECT_NEAR(indicated_airspeed(100.0, standard_density_kg_m3(3000)), 86.15, 0.05);
    EXPECT_NEAR(true_airspeed(indicated_airspeed(100.0, 0.7), 0.7), 100.0, 1e-9);
}

}  // namespace
