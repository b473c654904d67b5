// The glider's polar and its motion as a point mass.
#include <gtest/gtest.h>

#include <cmath>

#include "host/sim/glider_motion.h"
#include "host/sim/glider_polar.h"
#include "host/sim/standard_atmosphere.h"

namespace {

const GliderPolar polar;

TEST(GliderPolar, SinkAtKnownSpeeds) {
    struct Case {
        double kmh, sink;
    } cases[] = {{80, -0.6608}, {100, -0.6884}, {120, -0.8399}, {150, -1.2995}};
    for (const auto& c : cases) EXPECT_NEAR(polar_sink_ms(polar, c.kmh), c.sink, 5e-5) << c.kmh << " km/h";
    EXPECT_NEAR(min_sink_speed_kmh(polar), 85.5, 0.05);
}

TEST(GliderPolar, ATurnFliesTheHeavierGlidersPolar) {
    // At load factor n the same angle of attack needs sqrt(n) times the speed and sinks
    // sqrt(n) times faster.
    for (double bank : {30.0, 45.0, 60.0}) {
        const double n = 1.0 / std::cos(bank * M_PI / 180.0);
        for (double kmh : {80.0, 100.0}) {
            EXPECT_NEAR(polar_sink_ms(polar, kmh * std::sqrt(n), n), std::sqrt(n) * polar_sink_ms(polar, kmh), 1e-9)
                << bank << " deg, " << kmh << " km/h";
        }
        EXPECT_LT(polar_sink_ms(polar, 100, n), polar_sink_ms(polar, 100));
    }
}

TEST(GliderPolar, SpeedToFly) {
    // Best glide, found by search over the polar, is the speed to fly in still air at MacCready 0.
    double best_kmh = 0, best_ratio = 0;
    for (double kmh = 60; kmh < 200; kmh += 0.01) {
        const double ratio = kmh / 3.6 / -polar_sink_ms(polar, kmh);
        if (ratio > best_ratio) best_ratio = ratio, best_kmh = kmh;
    }
    EXPECT_NEAR(speed_to_fly_kmh(polar, 0.0, 0.0), best_kmh, 0.05);

    struct Case {
        double maccready, netto, kmh;
    } cases[] = {
        {0.0, 0.0, 107.48}, {2.0, 0.0, 156.42}, {1.5, 0.0, 145.73},
        {1.0, -1.0, 156.42},  // sinking air asks the speed of a higher setting
        {0.0, 2.0, 85.5},     // in lift the least-sink speed
    };
    for (const auto& c : cases)
        EXPECT_NEAR(speed_to_fly_kmh(polar, c.maccready, c.netto), c.kmh, 0.05) << c.maccready << " m/s, netto " << c.netto;
}

GliderState level_at(double altitude_m, double ias_kmh, const AirMass& air) {
    GliderState glider;
    glider.altitude_m = altitude_m;
    glider.true_airspeed_ms = ias_kmh / 3.6 * std::sqrt(SEA_LEVEL_DENSITY_KG_M3 / air.density_kg_m3(altitude_m));
    return glider;
}

TEST(GliderMotion, SteadyGlideSinksAsThePolarSays) {
    AirMass air;
    air.ground_elevation_m = -1000;  // flying at sea level, not landed there
    struct Case {
        double altitude_m, ias_kmh, bank_deg;
    } cases[] = {{0, 100, 0}, {0, 150, 0}, {3000, 100, 0}, {500, 100, 45}};
    for (const auto& c : cases) {
        GliderState glider = level_at(c.altitude_m, c.ias_kmh, air);
        glider.bank_deg = c.bank_deg;
        const GliderControls controls{c.ias_kmh, c.bank_deg};
        const double sigma_root = std::sqrt(air.density_kg_m3(c.altitude_m) / SEA_LEVEL_DENSITY_KG_M3);
        const double n = 1.0 / std::cos(c.bank_deg * M_PI / 180.0);
        step_glider(glider, controls, air, polar, 0.0, 0.1);
        EXPECT_NEAR(indicated_airspeed_kmh(glider, air), c.ias_kmh, 0.01) << c.altitude_m << " m";
        EXPECT_NEAR(glider.vertical_speed_ms, polar_sink_ms(polar, c.ias_kmh, n) / sigma_root, 1e-6)
            << c.altitude_m << " m, " << c.ias_kmh << " km/h, bank " << c.bank_deg;
    }
}

TEST(GliderMotion, SpeedIsTradedForHeight) {
    // Slowing from 150 to 100 km/h: the energy height h + v^2/2g falls only by the polar's sink.
    AirMass air;
    air.ground_elevation_m = -1000;
    GliderState glider = level_at(0, 150, air);
    double energy_before = glider.altitude_m + glider.true_airspeed_ms * glider.true_airspeed_ms / (2 * GRAVITY_MS2);
    double sink_loss = 0;
    const double dt = 1.0 / 18;
    for (int i = 0; i < 18 * 20; ++i) {
        const double ias = indicated_airspeed_kmh(glider, air);
        step_glider(glider, {100, 0}, air, polar, i * dt, dt);
        sink_loss += -polar_sink_ms(polar, ias) * dt;
    }
    const double energy_after = glider.altitude_m + glider.true_airspeed_ms * glider.true_airspeed_ms / (2 * GRAVITY_MS2);
    EXPECT_NEAR(indicated_airspeed_kmh(glider, air), 100, 0.5);
    EXPECT_GT(glider.altitude_m, 30.0);  // (41.7^2 - 27.8^2) / 2g = 49 m less the sink
    EXPECT_NEAR(energy_before - energy_after, sink_loss, 0.5);
}

TEST(GliderMotion, TurnsAtTheRateOfItsBankAndShowsAttitude) {
    AirMass air;
    GliderState glider = level_at(1000, 100, air);
    glider.bank_deg = 45;
    const double v = glider.true_airspeed_ms;
    step_glider(glider, {100, 45}, air, polar, 0, 1.0);
    EXPECT_NEAR(glider.heading_deg, GRAVITY_MS2 / v * 180 / M_PI, 0.01);  // tan 45 = 1
    GliderState left = level_at(1000, 100, air);
    left.bank_deg = -45;
    step_glider(left, {100, -45}, air, polar, 0, 1.0);
    EXPECT_NEAR(left.heading_deg, 360 - GRAVITY_MS2 / v * 180 / M_PI, 0.01);

    GliderState fast = level_at(1000, 180, air), slow = level_at(1000, 90, air);
    step_glider(fast, {180, 0}, air, polar, 0, 0.1);
    step_glider(slow, {90, 0}, air, polar, 0, 0.1);
    EXPECT_LT(fast.pitch_deg, slow.pitch_deg);
    EXPECT_LT(fast.pitch_deg, 0.0);
}

TEST(GliderMotion, WindCarriesItAndTheGroundStopsIt) {
    AirMass air;
    air.wind = {0, 36};  // from the north, 10 m/s
    GliderState glider = level_at(air.ground_elevation_m + 1, 100, air);
    glider.heading_deg = 0;
    step_glider(glider, {100, 0}, air, polar, 0, 0.1);
    EXPECT_NEAR(glider.ground_velocity_ms.north, 100 / 3.6 - 10, 0.05);
    for (int i = 0; i < 100; ++i) step_glider(glider, {100, 0}, air, polar, 0, 0.1);
    EXPECT_TRUE(glider.on_ground);
    EXPECT_EQ(glider.altitude_m, air.ground_elevation_m);
    EXPECT_EQ(glider.true_airspeed_ms, 0.0);
}

}  // namespace
