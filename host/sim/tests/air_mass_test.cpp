// Wind, thermals after Allen's model and the air mass they make up.
#include <gtest/gtest.h>

#include <cmath>

#include "host/sim/air_data.h"
#include "host/sim/air_mass.h"
#include "host/sim/thermal.h"
#include "host/sim/wind.h"

namespace {

TEST(Wind, HeadWindComponentAndVelocity) {
    const Wind north{0, 20};  // from the north
    struct Case {
        double track_deg, head_kmh;
    } cases[] = {{0, 20}, {180, -20}, {90, 0}, {60, 10}};
    for (const auto& c : cases) EXPECT_NEAR(head_wind_kmh(north, c.track_deg), c.head_kmh, 1e-9) << c.track_deg;
    EXPECT_NEAR(wind_velocity_ms(north).north, -20 / 3.6, 1e-12);
    EXPECT_NEAR(wind_velocity_ms(north).east, 0, 1e-12);
}

const Thermal thermal{{0, 0}, 3.0, 1500.0};

TEST(AllenThermal, MeanUpdraftOverTheLayer) {
    struct Case {
        double height_m, mean_ms;
    } cases[] = {
        {750, 3.0 * std::cbrt(0.5) * 0.45},  // w* (z/zi)^(1/3) (1 - 1.1 z/zi)
        {150, 3.0 * std::cbrt(0.1) * 0.89},
        {0, 0}, {-50, 0}, {1400, 0}, {1500, 0}, {2000, 0},  // nothing at the ground and from just below the top
    };
    for (const auto& c : cases) EXPECT_NEAR(thermal_section(thermal, c.height_m).mean_updraft_ms, c.mean_ms, 1e-9) << c.height_m;
    // Strongest about a quarter of the way up (where the derivative of z^(1/3) (1 - 1.1 z) vanishes: z = 1/4.4).
    double best_height = 0, best = 0;
    for (double h = 1; h < 1500; h += 1) {
        double w = thermal_section(thermal, h).mean_updraft_ms;
        if (w > best) best = w, best_height = h;
    }
    EXPECT_NEAR(best_height, 1500 / 4.4, 1.0);
}

TEST(AllenThermal, ShapeAtMidHeight) {
    const ThermalSection s = thermal_section(thermal, 750);
    EXPECT_NEAR(s.outer_radius_m, 0.102 * std::cbrt(0.5) * 0.875 * 1500, 1e-9);
    EXPECT_NEAR(s.core_radius_m / s.outer_radius_m, 0.0011 * s.outer_radius_m + 0.14, 1e-12);
    // Strongest at the centre, never stronger further out, zero at the outer radius.
    double previous = thermal_vertical_speed_ms(s, 0);
    EXPECT_GT(previous, s.mean_updraft_ms);
    EXPECT_DOUBLE_EQ(previous, s.peak_updraft_ms);
    for (double r = 1; r <= s.outer_radius_m; r += 1) {
        const double w = thermal_vertical_speed_ms(s, r);
        EXPECT_LE(w, previous) << r;
        previous = w;
    }
    EXPECT_NEAR(thermal_vertical_speed_ms(s, s.outer_radius_m), 0, 1e-9);
    // The updraft's mean over the outer disc is the mean updraft.
    double flux = 0;
    const double dr = s.outer_radius_m / 20000;
    for (double r = dr / 2; r < s.outer_radius_m; r += dr) flux += thermal_vertical_speed_ms(s, r) * 2 * M_PI * r * dr;
    EXPECT_NEAR(flux / (M_PI * s.outer_radius_m * s.outer_radius_m), s.mean_updraft_ms, 1e-4);
    // No ring at mid height.
    EXPECT_EQ(thermal_vertical_speed_ms(s, 1.5 * s.outer_radius_m), 0.0);
}

TEST(AllenThermal, DowndraftRingInTheUpperLayer) {
    const ThermalSection s = thermal_section(thermal, 0.8 * 1500);
    EXPECT_NEAR(s.downdraft_share, 2.5 * 0.3, 1e-9);
    EXPECT_GT(thermal_vertical_speed_ms(s, 0), 0.0);
    double deepest_r = 0, deepest = 0, ring_flux = 0;
    const double dr = s.outer_radius_m / 20000;
    for (double r = s.outer_radius_m + dr / 2; r < 2 * s.outer_radius_m; r += dr) {
        const double w = thermal_vertical_speed_ms(s, r);
        EXPECT_LE(w, 0.0) << r;
        if (w < deepest) deepest = w, deepest_r = r;
        ring_flux += w * 2 * M_PI * r * dr;
    }
    EXPECT_NEAR(deepest_r / s.outer_radius_m, 1.5, 0.05);  // deepest in the middle of the ring
    EXPECT_EQ(thermal_vertical_speed_ms(s, 2 * s.outer_radius_m + 1), 0.0);
    // The ring carries down the downdraft share of the updraft.
    const double updraft_flux = M_PI * s.outer_radius_m * s.outer_radius_m * s.mean_updraft_ms;
    EXPECT_NEAR(ring_flux, -s.downdraft_share * updraft_flux, 1e-3 * updraft_flux);
    EXPECT_NEAR(thermal_net_flux_m3s(s), updraft_flux + ring_flux, 1e-3 * updraft_flux);
}

TEST(AirMass, ThermalsDriftWithTheWindAndSinkLiesBetween) {
    AirMass air;
    air.ground_elevation_m = 200;
    air.wind = {270, 36};  // from the west, 10 m/s
    air.thermals.push_back({{1000, 0}, 3.0, 1500});
    air.environment_sink_ms = 0.4;
    const double altitude = 200 + 750;
    const double core = thermal_section(air.thermals[0], 750).peak_updraft_ms;
    EXPECT_DOUBLE_EQ(air.vertical_speed_ms({1000, 0}, altitude, 0), core);
    EXPECT_DOUBLE_EQ(air.vertical_speed_ms({1000, 0}, altitude, 60), -0.4);  // gone 600 m east
    EXPECT_DOUBLE_EQ(air.vertical_speed_ms({1600, 0}, altitude, 60), core);
    EXPECT_DOUBLE_EQ(air.vertical_speed_ms({5000, 5000}, altitude, 0), -0.4);
    // High in the layer the thermal is near its widest: its downdraft ring still reaches
    // a point just inside twice the outer radius.
    const ThermalSection top = thermal_section(air.thermals[0], 1200);
    const double in_ring = 1.95 * top.outer_radius_m;
    EXPECT_LT(thermal_vertical_speed_ms(top, in_ring), 0.0);
    EXPECT_NEAR(air.vertical_speed_ms({1000 + in_ring, 0}, 200 + 1200, 0), thermal_vertical_speed_ms(top, in_ring), 1e-9);
}

TEST(AirMass, BalancingSinkCarriesDownWhatTheThermalsCarryUp) {
    std::vector<Thermal> thermals{{{0, 0}, 3.0, 1500}, {{5000, 0}, 4.0, 2000}};
    const double area = 100e6;
    const double sink = balancing_sink_ms(thermals, 750, area);
    double up = 0, covered = 0;
    for (const auto& t : thermals) {
        const ThermalSection s = thermal_section(t, 750);
        up += thermal_net_flux_m3s(s);
        covered += M_PI * 4 * s.outer_radius_m * s.outer_radius_m;
    }
    EXPECT_GT(sink, 0.0);
    EXPECT_NEAR(sink * (area - covered), up, 1e-6 * up);
    EXPECT_EQ(balancing_sink_ms(thermals, 750, 1000), 0.0);  // area smaller than the thermals
}

TEST(AirMass, AnAltimeterSetToTheSeaLevelPressureReadsTheAltitude) {
    struct Case {
        double sea_level_hpa, altitude_m;
    } cases[] = {{1013.25, 0}, {1013.25, 1500}, {1030, 800}, {990, 2500}};
    // The same air and altimeter through every case: what either keeps between reads
    // must follow the pressure.
    AirMass air;
    AirDataSim altimeter;
    altimeter.set(TOKEN_UNITS_OF_MEASURE, 2);
    for (const auto& c : cases) {
        air.sea_level_pressure_hpa = c.sea_level_hpa;
        altimeter.set(TOKEN_PRESSURE_SETTING, c.sea_level_hpa);
        altimeter.set_pressure_altitude_m(air.pressure_altitude_m(c.altitude_m));
        EXPECT_NEAR(altimeter.read(TOKEN_BARO_ALTITUDE)->n, c.altitude_m, 1e-6) << c.sea_level_hpa << " hPa";
        // The pressure met there is that of the standard atmosphere at the pressure altitude.
        EXPECT_NEAR(standard_pressure_hpa(air.pressure_altitude_m(0)), c.sea_level_hpa, 1e-6);
    }
}

}  // namespace
