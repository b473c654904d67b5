// The flight computer's logic without a host: averages, air data, speed to fly, wind,
// final glide and what the LCD items show.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "flightcomputer/air_data.h"
#include "flightcomputer/climb_readout.h"
#include "flightcomputer/glide.h"
#include "flightcomputer/glide_display.h"
#include "flightcomputer/polar.h"
#include "flightcomputer/power.h"
#include "flightcomputer/wind.h"
#include "frame/moving_average.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double KNOTS_PER_KMH = 1.0 / 1.852;

TEST(MovingAverage, ShiftsTheSampleInAndCountsTheNewestTwice) {
    std::vector<double> history{0.0, 10.0, 20.0, 30.0, 40.0};
    // Slots become 7, 7, 10, 20, 30 (40 drops out); the mean of all but the last.
    EXPECT_DOUBLE_EQ(moving_average(history, 7.0), (7.0 + 7.0 + 10.0 + 20.0) / 4.0);
    EXPECT_EQ(history, (std::vector<double>{7.0, 7.0, 10.0, 20.0, 30.0}));
}

TEST(MovingAverage, ReachesAConstantAfterNMinusTwoSamples) {
    struct Case {
        const char* name;
        std::size_t slots;
    } cases[] = {{"three slots", 3}, {"the air-data window", 65}, {"the readout window", 300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> history(c.slots, 0.0);
        double result = 0.0;
        for (std::size_t i = 1; i < c.slots - 2; ++i) result = moving_average(history, 3.0);
        EXPECT_LT(result, 3.0) << "one sample short";
        EXPECT_DOUBLE_EQ(moving_average(history, 3.0), 3.0);
    }
}

TEST(MovingAverage, ForgetsABadSampleOnceItLeavesTheWindow) {
    std::vector<double> history(5, 1.0);
    EXPECT_TRUE(std::isnan(moving_average(history, NaN)));
    for (int i = 0; i < 3; ++i) moving_average(history, 1.0);
    EXPECT_DOUBLE_EQ(moving_average(history, 1.0), 1.0);
    std::vector<double> one_slot{0.0};
    EXPECT_DOUBLE_EQ(moving_average(one_slot, 4.0), 4.0);
}

TEST(Polar, SinkAtKnownSpeedsAndTheSpeedOfLeastSink) {
    ComputerState state;
    EXPECT_NEAR(polar_q(state), 19.5718456681, 1e-9);
    struct Case {
        double kmh, sink;
    } cases[] = {{80, -0.6608}, {100, -0.6884}, {120, -0.8399}, {150, -1.2995}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kmh);
        EXPECT_NEAR(polar_vertical_speed(state, c.kmh), c.sink, 5e-5);
    }
    EXPECT_NEAR(min_sink_speed(state), 85.545, 1e-3);
}

TEST(AirData, RunsOnlyWhenMoreThan100msHavePassed) {
    struct Case {
        const char* name;
        int32_t last_ms, now_ms;
        bool due;
    } cases[] = {
        {"100 ms skips", 1000, 1100, false},
        {"101 ms runs", 1000, 1101, true},
        {"the same moment skips", 1000, 1000, false},
        {"101 ms across the clock's wrap runs", 2147483600, -2147483595, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.compute_last_ms = c.last_ms;
        EXPECT_EQ(air_data_due(state, c.now_ms), c.due);
    }
}

// Steady 100 km/h (energy term 0) and 2 m/s climb, from histories of zeros.
TEST(AirData, SteadyClimbFillsTheAveragesOverTheirWindow) {
    ComputerState state;
    state.previous_airspeed = 100.0;
    const AirSample climb{512.0, 100.0 * KNOTS_PER_KMH};
    int32_t now = 0;
    compute_air_data(state, now += 150, climb);
    EXPECT_NEAR(state.te_vario, 0.0625, 1e-9);
    EXPECT_NEAR(state.polar_sink, -0.6884357, 1e-7);
    EXPECT_EQ(state.compute_last_ms, 150);
    EXPECT_NEAR(state.previous_airspeed, 100.0, 1e-9);
    for (int i = 2; i <= 62; ++i) compute_air_data(state, now += 150, climb);
    EXPECT_LT(state.te_vario, 2.0 - 1e-3);
    compute_air_data(state, now += 150, climb);
    EXPECT_NEAR(state.te_vario, 2.0, 1e-9);
    EXPECT_NEAR(state.netto, 2.6884357, 1e-7);
}

TEST(AirData, AnAirspeedGainAddsItsEnergyToTheClimb) {
    // 100 -> 110 km/h in 200 ms adds 1000 x 2100 / 200 = 10500 / 256 = 41.02 m/s to the
    // raw sample, which counts twice in the 64-slot mean.
    ComputerState state;
    state.previous_airspeed = 100.0;
    state.compute_last_ms = 1000;
    compute_air_data(state, 1200, {0.0, 110.0 * KNOTS_PER_KMH});
    EXPECT_NEAR(state.te_vario, 2.0 * 10500.0 / 256.0 / 64.0, 1e-9);
    EXPECT_NEAR(state.previous_airspeed, 110.0, 1e-9);
}

TEST(AirData, BadTokensDoNotStopLaterComputations) {
    ComputerState state;
    int32_t now = 0;
    compute_air_data(state, now += 150, {NaN, Inf});
    for (int i = 0; i < 70; ++i) compute_air_data(state, now += 150, {512.0, 100.0 * KNOTS_PER_KMH});
    EXPECT_NEAR(state.te_vario, 2.0, 1e-9);
    EXPECT_TRUE(std::isfinite(state.speed_to_fly));
}

TEST(SpeedToFly, FromTheClimbAndTheMacCreadySetting) {
    struct Case {
        const char* name;
        double x, mac_cready, speed;
    } cases[] = {
        {"still air, MacCready 0 (k 11553)", 0.0, 0.0, 107.48},
        {"MacCready 1.5", 0.0, 1.5, 145.73},
        {"MacCready 2.0 (k 24467)", 0.0, 2.0, 156.42},
        {"strong lift gives a negative k (-1359)", 2.0, 0.0, -36.86},
        {"a climb that is not a number gives 0", NaN, 0.0, 0.0},
        {"a huge sink saturates k", -1e300, 0.0, std::sqrt(2147483647.0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.mac_cready = c.mac_cready;
        EXPECT_NEAR(raw_speed_to_fly(state, c.x), c.speed, 0.005);
    }
}

TEST(FinalGlide, RequiredAltitudeWithWindAndLift) {
    struct Case {
        const char* name;
        double speed_to_fly, wind, distance_km;
        double required_m;
        int32_t reachable;
    } cases[] = {
        {"still air", 107.48, 0.0, 20.0, 589.4, 1},
        {"head wind 10 km/h needs more", 107.48, 10.0, 20.0, 639.6, 1},
        {"tail wind 10 km/h needs less", 107.48, -10.0, 20.0, 547.8, 1},
        {"over the goal", 107.48, 0.0, 0.0, 100.0, 1},
        {"lift: glide at the least-sink speed", -36.86, 0.0, 20.0, 652.19, 1},
        {"head wind as fast as the glide", 107.48, 107.48, 20.0, 100.0, 0},
        {"head wind faster than the glide", 107.48, 200.0, 20.0, 100.0, 0},
        {"wind that is not a number", 107.48, NaN, 20.0, 100.0, 0},
        {"distance that is not a number", 107.48, 0.0, NaN, 100.0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.speed_to_fly = c.speed_to_fly;
        state.wind = c.wind;
        state.goal_distance = c.distance_km;
        state.goal_elevation = 0.0;
        state.goal_height = 100.0;
        compute_final_glide(state);
        EXPECT_DOUBLE_EQ(state.goal_altitude, 100.0);
        EXPECT_NEAR(state.required_altitude, c.required_m, 0.05);
        EXPECT_EQ(state.goal_reachable, c.reachable);
    }
}

TEST(Wind, AveragesAirspeedMinusGroundSpeedEvery100ms) {
    ComputerState state;
    state.ground_speed = 90.0;
    state.wind_last_ms = 1000;
    update_wind(state, 1100, 100.0 * KNOTS_PER_KMH);
    EXPECT_NEAR(state.wind_airspeed, 100.0, 1e-9);
    EXPECT_EQ(state.wind, 0.0) << "100 ms is too soon";
    update_wind(state, 1101, 100.0 * KNOTS_PER_KMH);
    EXPECT_NEAR(state.wind, 2.0 * 10.0 / 99.0, 1e-9);
    EXPECT_EQ(state.wind_last_ms, 1101);
    update_wind(state, 1102, 600.0);
    EXPECT_EQ(state.wind_airspeed, 999.0);
}

TEST(ClimbReadout, FormatsIntoThePlacesOrShowsDashes) {
    struct Case {
        const char* name;
        double climb;
        int32_t units_mode;
        const char *whole, *point, *tenths;
    } cases[] = {
        {"2.0 m/s in m/s", 2.0, 2, " 2", ".", "0"},
        {"2.0 m/s in knots", 2.0, 0, " 3", ".", "9"},
        {"mode 1 is knots too", 2.0, 1, " 3", ".", "9"},
        {"mode 3 is like mode 2", 2.0, 3, " 2", ".", "0"},
        {"-9.9 fits", -9.9, 2, "-9", ".", "9"},
        {"99.9 fits", 99.9, 2, "99", ".", "9"},
        {"-12.3 does not fit", -12.3, 2, "--", ".", "-"},
        {"150 does not fit", 150.0, 2, "--", ".", "-"},
        {"99.96 rounds to five characters", 99.96, 2, "--", ".", "-"},
        {"60 m/s is over 99.9 knots", 60.0, 0, "--", ".", "-"},
        {"not a number", NaN, 2, "--", ".", "-"},
        {"infinity", -Inf, 2, "--", ".", "-"},
        {"huge", 1e300, 2, "--", ".", "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClimbTexts texts = format_climb_rate(c.climb, c.units_mode);
        EXPECT_STREQ(texts.whole, c.whole);
        EXPECT_STREQ(texts.point, c.point);
        EXPECT_STREQ(texts.tenths, c.tenths);
    }
}

TEST(ClimbReadout, BlankWhileOffThenStepsMoreThan100msApart) {
    ComputerState state;
    state.units_mode = 2;
    state.netto = 2.0;
    state.net_history[0] = state.net_history[1] = 5.0;
    ClimbReadout off = step_net_readout(state, 5000);
    EXPECT_EQ(off.action, ReadoutAction::Blank);
    EXPECT_STREQ(off.texts.whole, "");
    EXPECT_EQ(state.net_last_ms, 5000) << "the step time follows the clock while blank";
    EXPECT_EQ(state.net_history[0], 5.0) << "the history keeps its contents";

    state.power_on = 1;
    state.show_net = 1;
    EXPECT_EQ(step_net_readout(state, 5100).action, ReadoutAction::Keep);
    ClimbReadout shown = step_net_readout(state, 5101);
    EXPECT_EQ(shown.action, ReadoutAction::Show);
    EXPECT_EQ(state.net_history[0], 2.0);
    EXPECT_EQ(state.net_last_ms, 5101);
    // 2 + 2 + 5 over 299 slots.
    EXPECT_STREQ(shown.texts.whole, " 0");
    EXPECT_STREQ(shown.texts.tenths, "0");

    state.show_avg = 1;
    state.te_vario = 1.0;
    EXPECT_EQ(step_avg_readout(state, 5101).action, ReadoutAction::Show);
    EXPECT_EQ(state.avg_history[0], 1.0) << "Avg averages te_vario";
}

TEST(SpeedCommand, PictureForTheSpeedDifference) {
    struct Case {
        const char* name;
        double difference;
        int32_t picture;
    } cases[] = {
        {"-20 pulls hardest", -20.0, 1}, {"-19.9", -19.9, 2},   {"-15", -15.0, 3},
        {"-10", -10.0, 4},               {"-5", -5.0, 5},       {"4.9", 4.9, 5},
        {"5", 5.0, 6},                   {"10", 10.0, 7},       {"15", 15.0, 8},
        {"20 pushes hardest", 20.0, 9},  {"not a number", NaN, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.power_on = 1;
        state.show_speed_command = 1;
        state.airspeed = 100.0;
        state.speed_to_fly = 100.0 + c.difference;
        EXPECT_EQ(speed_command_picture(state), c.picture);
        state.show_speed_command = 0;
        EXPECT_EQ(speed_command_picture(state), 0);
    }
}

TEST(GlideBar, OffsetLimitsUnitsAndHiding) {
    struct Case {
        const char* name;
        int32_t power_on, show, units_mode, reachable;
        double required_m, altitude;
        bool shown;
        double offset_m;
    } cases[] = {
        {"200 m missing", 1, 1, 2, 1, 700.0, 500.0, true, 200.0},
        {"1000 m to spare stops at -500", 1, 1, 2, 1, 500.0, 1500.0, true, -500.0},
        {"1000 m missing stops at 500", 1, 1, 2, 1, 1500.0, 500.0, true, 500.0},
        {"altitude in feet", 1, 1, 0, 1, 600.0, 1000.0, true, 295.2},
        {"mode 1 also feet", 1, 1, 1, 1, 600.0, 1000.0, true, 295.2},
        {"unreachable goal pins it at missing", 1, 1, 2, 0, 100.0, 9999.0, true, 500.0},
        {"altitude not a number hides it", 1, 1, 2, 1, 600.0, NaN, false, 0.0},
        {"off", 0, 1, 2, 1, 700.0, 500.0, false, 0.0},
        {"not shown", 1, 0, 2, 1, 700.0, 500.0, false, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.power_on = c.power_on;
        state.show_glide_bar = c.show;
        state.units_mode = c.units_mode;
        state.goal_reachable = c.reachable;
        state.required_altitude = c.required_m;
        state.altitude = c.altitude;
        GlideBar bar = glide_bar(state);
        EXPECT_EQ(bar.shown, c.shown);
        EXPECT_NEAR(bar.offset_m, c.offset_m, 1e-9);
        EXPECT_EQ(glide_bar_index_picture(state), c.power_on && c.show ? 1 : 0);
    }
}

}  // namespace

namespace {

TEST(PowerKnob, SwitchingOnStartsTheIntroAndTheFlightClock) {
    ComputerState state;
    EXPECT_EQ(state.power_on, 0);
    EXPECT_EQ(state.page, PAGE_OFF);
    state.flight_seconds = 77;
    toggle_power(state, 1234, clock_seconds_from(23, 59, 50));
    EXPECT_EQ(state.power_on, 1);
    EXPECT_EQ(state.page, PAGE_INTRO);
    EXPECT_EQ(state.switch_on_ms, 1234);
    EXPECT_EQ(state.start_seconds, 86390);
    EXPECT_EQ(state.clock_seconds, 86390);
    EXPECT_EQ(state.flight_seconds, 0);
}

TEST(PowerKnob, SwitchingOffClearsTheShownItemsButKeepsDiffAndScaleMarks) {
    ComputerState state;
    toggle_power(state, 0, 0);
    state.page = PAGE_MACCREADY;
    for (int32_t* flag : {&state.show_speed_command, &state.show_net, &state.show_avg,
                          &state.show_dist, &state.show_alt, &state.show_req, &state.show_diff,
                          &state.show_glide_bar, &state.show_scale_half, &state.show_scale_double})
        *flag = 1;
    toggle_power(state, 500, 0);
    EXPECT_EQ(state.power_on, 0);
    EXPECT_EQ(state.page, PAGE_OFF);
    for (int32_t flag : {state.show_speed_command, state.show_net, state.show_avg,
                         state.show_dist, state.show_alt, state.show_req, state.show_glide_bar})
        EXPECT_EQ(flag, 0);
    EXPECT_EQ(state.show_diff, 1);
    EXPECT_EQ(state.show_scale_half, 1);
    EXPECT_EQ(state.show_scale_double, 1);
}

TEST(Readings, AltitudeUnitsAndClock) {
    struct Case {
        const char* name;
        double altitude, units;
        double stored_altitude;
        int32_t units_mode;
    } cases[] = {
        {"12000 is stored as 9999", 12000.0, 2.0, 9999.0, 2},
        {"units 2.7 is mode 2", 500.0, 2.7, 500.0, 2},
        {"units 3 stays 3 (read as mode 2)", 500.0, 3.0, 500.0, 3},
        {"units not a number is mode 0", 500.0, NaN, 500.0, 0},
        {"huge units saturate", 500.0, 1e300, 500.0, 2147483647},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        store_altitude_and_units(state, c.altitude, c.units);
        EXPECT_EQ(state.altitude, c.stored_altitude);
        EXPECT_EQ(state.units_mode, c.units_mode);
    }
    EXPECT_EQ(clock_seconds_from(1.9, 2.9, 3.9), 3723);
    EXPECT_EQ(clock_seconds_from(1e300, 1e300, 1e300), 2147483647);
    EXPECT_EQ(clock_seconds_from(NaN, 0, 5), 5);
}

}  // namespace
