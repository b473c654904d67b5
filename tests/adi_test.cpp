// The attitude indicator: its pitch limiter, what the host makes of its sprites, and
// where the drawn horizons lie.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "adi/adi_geometry.h"
#include "adi/adi_pitch.h"
#include "host/render/gauge_renderer.h"
#include "test_support.h"

namespace {

TEST(AdiPitchCallback, HoldsPitchWithin45Degrees) {
    struct Case {
        double pitch, shown;
    } cases[] = {{0, 0}, {10, 10}, {45, 45}, {45.001, 45}, {60, 45}, {-45, -45}, {-90, -45}};
    for (const auto& c : cases) {
        MODULE_VAR pitch{0x4E, nullptr, 0, {}, {}};
        pitch.var_value.n = c.pitch;
        EXPECT_DOUBLE_EQ(adi_pitch_cb(&pitch), c.shown) << c.pitch << " degrees";
    }
}

struct AdiOnPanel : ::testing::Test {
    TestPanel test;
    GaugeInstance* gauge = nullptr;
    void SetUp() override { gauge = &test.panel.load_gauge(module_path("ostrand_adi")); }
    ElementState& ball() { return gauge->chain().elements().at(1); }
    ElementState& ring() { return gauge->chain().elements().at(2); }
    void fly(double pitch, double bank) {
        test.aircraft.set(0x4E, pitch);
        test.aircraft.set(0x50, bank);
        test.panel.run_frame();
    }
};

TEST_F(AdiOnPanel, BallSlidesWithPitchAndBothTurnWithBank) {
    struct Case {
        double pitch, bank, ball_offset_y, rotation;
    } cases[] = {
        {0, 0, 0, 0}, {10, 0, 20, 0}, {45, 0, 90, 0}, {60, 0, 90, 0}, {-90, 0, -90, 0},
        {0, 30, 0, -30}, {0, 180, 0, -180}, {10, 30, 20, -30},
    };
    for (const auto& c : cases) {
        fly(c.pitch, c.bank);
        const std::string what = "pitch " + std::to_string(c.pitch) + ", bank " + std::to_string(c.bank);
        EXPECT_DOUBLE_EQ(ball().offset_y, c.ball_offset_y) << what;
        EXPECT_DOUBLE_EQ(ball().offset_x, 0.0) << what;
        EXPECT_DOUBLE_EQ(ball().rotation, c.rotation) << what;
        EXPECT_DOUBLE_EQ(ring().offset_x, 0.0) << what;
        EXPECT_DOUBLE_EQ(ring().offset_y, 0.0) << what;
        EXPECT_DOUBLE_EQ(ring().rotation, c.rotation) << what;
    }
}

// Sky or ground by colour; lines, labels, the miniature aircraft and the opening are neither.
enum class Side { Neither, Sky, Ground };

Side side_at(cairo_surface_t* surface, double x, double y) {
    const int stride = cairo_image_surface_get_stride(surface);
    auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface) + int(y) * stride);
    const uint32_t p = row[int(x)];
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    if (b > r + 40 && b > 150) return Side::Sky;
    if (r >= 125 && r > b + 40 && g > b + 20 && g < r) return Side::Ground;
    return Side::Neither;
}

// A horizon as the drawn picture shows it on a circle around the miniature aircraft's
// dot: the direction from its sky-left end to its right end (degrees clockwise on the
// screen) and its distance from the dot, positive towards the ground.
struct Horizon {
    bool found = false;
    double direction_deg = 0;
    double distance = 0;
};

Horizon horizon_on_circle(cairo_surface_t* surface, double radius, double lowest_dy) {
    const double cx = ADI_CENTRE.x + 0.5, cy = ADI_CENTRE.y + 0.5;
    constexpr int SAMPLES = 1440;
    std::vector<std::pair<double, Side>> seen;  // angle, side: only samples that are one
    for (int i = 0; i < SAMPLES; ++i) {
        const double a = 360.0 * i / SAMPLES;
        const double x = cx + radius * std::cos(a * M_PI / 180), y = cy + radius * std::sin(a * M_PI / 180);
        if (y - cy > lowest_dy) continue;  // below the window's flat bottom
        const Side side = side_at(surface, x, y);
        if (side != Side::Neither) seen.push_back({a, side});
    }
    // Where the side changes going round: once into the ground, once back into the sky.
    double into_ground = 0, into_sky = 0;
    int changes = 0;
    for (size_t i = 0; i < seen.size(); ++i) {
        const auto& before = seen[(i + seen.size() - 1) % seen.size()];
        const auto& now = seen[i];
        if (before.second == now.second) continue;
        double a0 = before.first, a1 = now.first;
        if (a1 < a0) a1 += 360;
        (now.second == Side::Ground ? into_ground : into_sky) = (a0 + a1) / 2;
        ++changes;
    }
    Horizon h;
    if (changes != 2) return h;
    const double gx = std::cos(into_ground * M_PI / 180), gy = std::sin(into_ground * M_PI / 180);
    const double sx = std::cos(into_sky * M_PI / 180), sy = std::sin(into_sky * M_PI / 180);
    // Going clockwise, the sky turns to ground at the horizon's right end.
    h.found = true;
    h.direction_deg = std::atan2(gy - sy, gx - sx) * 180 / M_PI;
    const double normal_x = -std::sin(h.direction_deg * M_PI / 180), normal_y = std::cos(h.direction_deg * M_PI / 180);
    h.distance = radius * ((gx + sx) / 2 * normal_x + (gy + sy) / 2 * normal_y);
    return h;
}

double direction_difference(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

TEST_F(AdiOnPanel, DrawnHorizonsPassThroughTheDotAndStayParallel) {
    GaugeRenderer renderer;
    // The ball is seen inside the ring's clear centre; the ring in the band outside it,
    // both above the flat bottom of their windows.
    constexpr double BALL_RADIUS = 70, RING_RADIUS = 108, LOWEST = 68;
    struct Case {
        double pitch, bank, direction, ball_distance;
    } cases[] = {
        {0, 0, 0, 0},
        {0, 30, 30, 0},
        {10, 30, 30, 10 * ADI_PITCH_PIXELS_PER_DEGREE * ADI_BALL_TEXTURE_SCALE},
        {-10, -20, -20, -10 * ADI_PITCH_PIXELS_PER_DEGREE * ADI_BALL_TEXTURE_SCALE},
    };
    for (const auto& c : cases) {
        fly(c.pitch, c.bank);
        cairo_surface_t* image = renderer.render(*gauge, 1.0);
        cairo_surface_flush(image);
        const Horizon ball_h = horizon_on_circle(image, BALL_RADIUS, LOWEST);
        const Horizon ring_h = horizon_on_circle(image, RING_RADIUS, LOWEST);
        const std::string what = "pitch " + std::to_string(c.pitch) + ", bank " + std::to_string(c.bank);
        bool ok = ball_h.found && ring_h.found;
        EXPECT_TRUE(ball_h.found) << what << ": no ball horizon";
        EXPECT_TRUE(ring_h.found) << what << ": no ring horizon";
        if (ok) {
            const double ball_error = direction_difference(ball_h.direction_deg, c.direction);
            const double ring_error = direction_difference(ring_h.direction_deg, c.direction);
            EXPECT_LT(ball_error, 2.0) << what << ": ball horizon at " << ball_h.direction_deg;
            EXPECT_LT(ring_error, 2.0) << what << ": ring horizon at " << ring_h.direction_deg;
            EXPECT_NEAR(ball_h.distance, c.ball_distance, 2.0) << what << ": ball horizon from the dot";
            EXPECT_NEAR(ring_h.distance, 0.0, 2.0) << what << ": ring horizon from the dot";
            ok = ball_error < 2.0 && ring_error < 2.0 && std::abs(ball_h.distance - c.ball_distance) < 2.0 &&
                 std::abs(ring_h.distance) < 2.0;
        }
        if (!ok) {
            const auto path = test_output_dir() / ("adi-pitch" + std::to_string(int(c.pitch)) + "-bank" +
                                                   std::to_string(int(c.bank)) + ".png");
            write_png(image, path.string());
            ADD_FAILURE() << "look at " << path;
        }
        cairo_surface_destroy(image);
    }
}

}  // namespace
