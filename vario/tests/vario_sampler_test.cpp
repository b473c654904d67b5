// The variometer's sampler without a host: when it samples, what a sample adds, how the
// damping picks the window and where the needle's value is limited.
#include <gtest/gtest.h>

#include <cstdint>

#include "vario/vario_sampler.h"

namespace {

constexpr double KMH_PER_KNOT = 1.852;

// A sampler that has already seen the airspeed, so constant speed adds no compensation.
VarioSampler sampler_at_airspeed(double knots) {
    VarioSampler sampler;
    sampler.previous_airspeed_kmh = knots * KMH_PER_KNOT;
    return sampler;
}

// Takes `count` samples 200 ms apart at a constant airspeed, from the sampler's last time on.
void take_samples(VarioSampler& sampler, const VarioSettings& settings, int count, double vertical_speed,
                  double knots = 50.0) {
    for (int i = 0; i < count; ++i)
        vario_take_sample(sampler, settings, sampler.last_sample_ms + 200, vertical_speed, knots);
}

TEST(VarioSampler, SamplesOnlyWhenMoreThan100MsHavePassed) {
    struct Case {
        int32_t last_ms, now_ms;
        bool due;
    } cases[] = {
        {0, 100, false}, {0, 101, true}, {5000, 5100, false}, {5000, 5101, true}, {5000, 4000, false},
        {INT32_MAX - 50, INT32_MAX, false},  // the difference is taken without overflow
    };
    for (const auto& c : cases) {
        VarioSampler sampler;
        sampler.last_sample_ms = c.last_ms;
        EXPECT_EQ(vario_sample_due(sampler, c.now_ms), c.due) << "last " << c.last_ms << ", now " << c.now_ms;
    }
}

TEST(VarioSampler, ConstantClimbOverZerosReachesItAfterNMinus2Samples) {
    const VarioSettings fast{1, 2, 4.0};  // N = 24
    const double s = 300.0;
    struct Case {
        int samples;
        double reading;
    } cases[] = {{1, 2 * s / 23}, {2, 3 * s / 23}, {10, 11 * s / 23}, {21, 22 * s / 23}, {22, s}, {40, s}};
    for (const auto& c : cases) {
        VarioSampler sampler = sampler_at_airspeed(50.0);
        take_samples(sampler, fast, c.samples, s);
        EXPECT_NEAR(sampler.reading, c.reading, 1e-9) << c.samples << " samples";
    }
}

TEST(VarioSampler, DampingPicksTheWindowAndAnyOtherValueGetsTheStandard48) {
    struct Case {
        int32_t damping;
        int window;
    } cases[] = {{1, 24}, {2, 48}, {3, 96}, {0, 48}, {4, 48}, {-1, 48}, {7, 48}, {INT32_MIN, 48}};
    const double s = 470.0;
    for (const auto& c : cases) {
        EXPECT_EQ(vario_window_length(c.damping), c.window) << "damping " << c.damping;
        // The first sample over zeros shows which window the sampler really used.
        VarioSampler sampler = sampler_at_airspeed(50.0);
        take_samples(sampler, {c.damping, 2, 0.0}, 1, s);
        EXPECT_NEAR(sampler.reading, 2 * s / (c.window - 1), 1e-9) << "damping " << c.damping;
    }
}

TEST(VarioSampler, UnknownDampingNeverTouchesSlotsPastTheStandardWindow) {
    VarioSampler sampler = sampler_at_airspeed(50.0);
    for (int slot = 48; slot < VARIO_HISTORY_SLOTS; ++slot) sampler.history[slot] = -7.0;
    take_samples(sampler, {7, 2, 0.0}, 200, 100.0);
    EXPECT_NEAR(sampler.reading, 100.0, 1e-9);
    for (int slot = 48; slot < VARIO_HISTORY_SLOTS; ++slot) EXPECT_EQ(sampler.history[slot], -7.0) << "slot " << slot + 1;
}

// The first sample over zeros counts twice in N - 1, so x = reading x 47 / 2 with N = 48.
double first_sample(const VarioSettings& settings, double previous_kmh, int32_t now_ms, double vertical_speed,
                    double knots) {
    VarioSampler sampler;
    sampler.previous_airspeed_kmh = previous_kmh;
    vario_take_sample(sampler, settings, now_ms, vertical_speed, knots);
    return sampler.reading * 47.0 / 2.0;
}

TEST(VarioSampler, ScaleAppliesToTheVerticalSpeedOnly) {
    const double vs = 200.0, knots = 60.0, previous_kmh = 100.0;
    const double v = knots * KMH_PER_KNOT;
    const double compensation = 250.0 * 2.5 * (v * v - previous_kmh * previous_kmh) / 400.0;
    struct Case {
        int32_t scale;
        double factor;
    } cases[] = {{1, 2.0}, {2, 1.0}, {3, 0.5}, {0, 1.0}, {4, 1.0}, {-1, 1.0}};
    for (const auto& c : cases) {
        const double x = first_sample({2, c.scale, 2.5}, previous_kmh, 400, vs, knots);
        EXPECT_NEAR(x, c.factor * vs + compensation, 1e-6) << "scale " << c.scale;
    }
}

TEST(VarioSampler, CompensationFollowsTheChangeOfTheSquaredAirspeedPerMillisecond) {
    struct Case {
        double compensation, previous_kmh, knots;
        int32_t dt_ms;
        double term;
    } cases[] = {
        {4.0, 100.0, 100.0 / KMH_PER_KNOT, 200, 0.0},          // steady speed adds nothing
        {4.0, 100.0, 110.0 / KMH_PER_KNOT, 200, 1000.0 * 2100.0 / 200},  // speeding up reads as climb
        {4.0, 110.0, 100.0 / KMH_PER_KNOT, 400, -1000.0 * 2100.0 / 400}, // slowing down as sink
        {0.0, 100.0, 130.0 / KMH_PER_KNOT, 200, 0.0},          // a factor of 0 switches it off
    };
    for (const auto& c : cases)
        EXPECT_NEAR(first_sample({2, 2, c.compensation}, c.previous_kmh, c.dt_ms, 0.0, c.knots), c.term, 1e-6)
            << "factor " << c.compensation << ", " << c.previous_kmh << " km/h before, dt " << c.dt_ms;
}

TEST(VarioSampler, FirstSampleCompensatesTheWholeAirspeedOverTheMsSinceLoad) {
    VarioSampler sampler;  // as loaded: previous airspeed 0, last sample at 0
    const double knots = 54.0, v = knots * KMH_PER_KNOT;
    vario_take_sample(sampler, {2, 2, 4.0}, 850, 0.0, knots);
    const double x = 1000.0 * v * v / 850.0;
    EXPECT_NEAR(sampler.reading, 2 * x / 47, 1e-6);
    // The window spreads it out: it counts once more up to N - 3 samples later, then drops out.
    take_samples(sampler, {2, 2, 4.0}, 45, 0.0, knots);
    EXPECT_NEAR(sampler.reading, x / 47, 1e-6);
    take_samples(sampler, {2, 2, 4.0}, 1, 0.0, knots);
    EXPECT_NEAR(sampler.reading, 0.0, 1e-9);
}

TEST(VarioSampler, LongerDampingBringsBackTheSlotsItLastUsed) {
    const double a = 96.0, b = 24.0, c = 500.0;
    VarioSampler sampler = sampler_at_airspeed(50.0);
    take_samples(sampler, {3, 2, 0.0}, 96, a);  // slots 1 to 96 hold a
    take_samples(sampler, {1, 2, 0.0}, 30, b);  // slots 1 to 24 hold b, 25 to 96 still a
    EXPECT_NEAR(sampler.reading, b, 1e-9);
    take_samples(sampler, {3, 2, 0.0}, 1, c);
    // Slots 1 and 2 hold c, 3 to 25 the b's, 26 to 95 the old a's.
    EXPECT_NEAR(sampler.reading, (2 * c + 23 * b + 70 * a) / 95, 1e-9);
}

TEST(VarioSampler, NeedleValueIsLimitedToTheDialWhileTheReadingIsNot) {
    const VarioSettings double_scale{1, 1, 4.0};
    struct Case {
        double vertical_speed, reading, shown;
    } cases[] = {{768.0, 1536.0, 1280.0}, {-768.0, -1536.0, -1280.0}, {640.0, 1280.0, 1280.0}, {300.0, 600.0, 600.0}};
    for (const auto& c : cases) {
        VarioSampler sampler = sampler_at_airspeed(50.0);
        take_samples(sampler, double_scale, 30, c.vertical_speed);
        EXPECT_NEAR(sampler.reading, c.reading, 1e-9) << c.vertical_speed;
        EXPECT_DOUBLE_EQ(vario_needle_value(sampler), c.shown) << c.vertical_speed;
    }
}

}  // namespace
