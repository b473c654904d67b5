// The pilot flying the glider through still air and thermals.
#include <gtest/gtest.h>

#include <cmath>

#include "host/sim/pilot.h"

namespace {

struct Flight {
    AirMass air;
    GliderPolar polar;
    GliderState glider;
    Pilot pilot;
    double time_s = 0;

    // Flies until the pilot enters a phase or the time runs out; true when it entered.
    bool fly_until(PilotPhase phase, double seconds) {
        const double dt = 1.0 / 18;
        for (double end = time_s + seconds; time_s < end && !glider.on_ground; time_s += dt) {
            const GliderControls controls = pilot.decide(glider, air, polar, time_s, dt);
            if (pilot.phase() == phase) return true;
            step_glider(glider, controls, air, polar, time_s, dt);
        }
        return false;
    }
};

TEST(Pilot, FinalGlideArrivesWithTheHeightItComputed) {
    struct Case {
        double distance_km, wind_kmh, maccready;
    } cases[] = {{10, 0, 0}, {20, 20, 1.5}, {15, -15, 2.0}};
    for (const auto& c : cases) {
        Flight f;
        f.air.ground_elevation_m = 300;
        f.air.wind = {0, c.wind_kmh};  // from the north: against a goal to the north
        f.pilot.task = {{0, c.distance_km * 1000}, 300, 150};
        f.pilot.maccready_ms = c.maccready;
        // A little higher than needed, already at the speed to fly: the glide starts at once.
        f.glider.altitude_m = 3000;
        f.glider.altitude_m = required_altitude_m(f.glider, f.pilot.task, f.air, f.polar, c.maccready) + 100;
        f.glider.true_airspeed_ms =
            speed_to_fly_kmh(f.polar, c.maccready, 0) / 3.6 / std::sqrt(f.air.density_kg_m3(f.glider.altitude_m) / 1.225);
        ASSERT_TRUE(f.fly_until(PilotPhase::FinalGlide, 2)) << c.distance_km << " km";
        const double start_m = f.glider.altitude_m;
        const double spare_m = start_m - required_altitude_m(f.glider, f.pilot.task, f.air, f.polar, c.maccready);
        ASSERT_TRUE(f.fly_until(PilotPhase::Arrived, 3600)) << c.distance_km << " km";
        const double loss_m = start_m - f.glider.altitude_m;
        EXPECT_NEAR(f.glider.altitude_m - (300 + 150), spare_m, 0.1 * loss_m)
            << c.distance_km << " km, wind " << c.wind_kmh << ", MacCready " << c.maccready;
    }
}

TEST(Pilot, CruisesAtTheSpeedToFlyForItsSetting) {
    for (double maccready : {0.0, 2.0}) {
        Flight f;
        f.pilot.task = {{0, 200000}, 0, 100};  // far out of reach: no final glide
        f.pilot.maccready_ms = maccready;
        f.glider.altitude_m = 1500;
        f.fly_until(PilotPhase::Climb, 30);
        EXPECT_EQ(f.pilot.phase(), PilotPhase::Cruise);
        EXPECT_NEAR(indicated_airspeed_kmh(f.glider, f.air), speed_to_fly_kmh(f.polar, maccready, 0), 0.5) << maccready;
        EXPECT_NEAR(f.glider.heading_deg, 0, 1.0);
    }
}

TEST(Pilot, ClimbsInAThermalStrongerThanItsSettingAndLeavesWhereItWeakens) {
    Flight f;
    f.air.thermals.push_back({{30, 2000}, 5.5, 2200});
    f.pilot.task = {{0, 100000}, 0, 100};
    f.pilot.maccready_ms = 1.0;
    f.glider.altitude_m = 800;
    f.glider.true_airspeed_ms = 35;
    ASSERT_TRUE(f.fly_until(PilotPhase::Climb, 120));
    const double entry_m = f.glider.altitude_m, entry_s = f.time_s;
    ASSERT_TRUE(f.fly_until(PilotPhase::Cruise, 3600));
    const double climb_ms = (f.glider.altitude_m - entry_m) / (f.time_s - entry_s);
    // The climb lies between the thermal's mean updraft and its peak, less the circling sink.
    const ThermalSection mid = thermal_section(f.air.thermals[0], (entry_m + f.glider.altitude_m) / 2);
    EXPECT_GT(climb_ms, 1.0);
    EXPECT_LT(climb_ms, mid.peak_updraft_ms);
    // It leaves where the thermal weakens with height below its setting, inside the convective layer.
    EXPECT_GT(f.glider.altitude_m, entry_m + 300);
    EXPECT_LT(f.glider.altitude_m, 2200);
    EXPECT_LT(thermal_section(f.air.thermals[0], f.glider.altitude_m).mean_updraft_ms,
              thermal_section(f.air.thermals[0], entry_m).mean_updraft_ms);
}

TEST(Pilot, GoesOutOfItsWayForAThermalItSeesAhead) {
    struct Case {
        double east_m, north_m;
        bool taken;
    } cases[] = {{800, 3000, true}, {-1200, 4000, true}, {2500, 3000, false}, {0, -1500, false}};
    for (const auto& c : cases) {
        Flight f;
        f.air.thermals.push_back({{c.east_m, c.north_m}, 5.5, 2200});
        f.pilot.task = {{0, 100000}, 0, 100};
        f.pilot.maccready_ms = 1.0;
        f.glider.altitude_m = 900;
        EXPECT_EQ(f.fly_until(PilotPhase::Climb, 240), c.taken) << c.east_m << ", " << c.north_m;
    }
}

TEST(Pilot, WeakLiftIsNotWorthCircling) {
    Flight f;
    f.air.thermals.push_back({{0, 1500}, 1.5, 2200});  // a climb well under 1 m/s
    f.pilot.task = {{0, 100000}, 0, 100};
    f.pilot.maccready_ms = 1.0;
    f.glider.altitude_m = 500;
    EXPECT_FALSE(f.fly_until(PilotPhase::Climb, 120));
}

}  // namespace
