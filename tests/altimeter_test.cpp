// The altimeter: its conversions, its hands and ring through the host, its knob, and
// what the drawn gauge shows.
#include <gtest/gtest.h>

#include <cmath>

#include "altimeter/altimeter_dial.h"
#include "altimeter/altimeter_hands.h"
#include "host/render/gauge_renderer.h"
#include "test_support.h"

namespace {

TEST(AltimeterHands, AnglesFromAltitudeAndUnits) {
    struct Case {
        double altitude, units, short_deg, long_deg;
        const char* what;
    } cases[] = {
        {0, 0, 90, 90, "zero: both hands on the 0 at 6 o'clock"},
        {0, 2, 90, 90, "zero in metres"},
        {1000, 0, 100.9728, 199.728, "1000 ft"},
        {1000, 1, 100.9728, 199.728, "metric with altitude in feet is still feet"},
        {1000, 2, 126, 450, "1000 m: numeral 1, a full turn back on the 0"},
        {5000, 2, 270, 1890, "5000 m: 12 o'clock"},
        {2500, 2, 180, 990, "2500 m: 9 o'clock and the 5"},
        {1000, 2.0000001, 100.9728, 199.728, "units compared exactly with 2.0"},
        {-100, 2, 86.4, 54, "below zero the hands turn back, unlimited"},
    };
    for (const auto& c : cases) {
        const double metres = alt_altitude_m(c.altitude, c.units);
        EXPECT_NEAR(alt_short_hand_degrees(metres), c.short_deg, 1e-9) << c.what;
        EXPECT_NEAR(alt_long_hand_degrees(metres), c.long_deg, 1e-9) << c.what;
    }
}

TEST(AltimeterHands, RingTurnPutsTheSettingUnderTheIndex) {
    struct Case {
        double hpa, degrees;
    } cases[] = {{1013.25, 3062.0415}, {960, 2901.12}, {1000, 3022}};
    for (const auto& c : cases) EXPECT_NEAR(alt_ring_degrees(c.hpa), c.degrees, 1e-9) << c.hpa << " hPa";
}

struct AltimeterOnPanel : ::testing::Test {
    TestPanel test;
    GaugeInstance* gauge = nullptr;
    void SetUp() override { gauge = &test.panel.load_gauge(module_path("QT.HM-007")); }
    ElementState& ring() { return gauge->chain().elements().at(1); }
    ElementState& short_hand() { return gauge->chain().elements().at(2); }
    ElementState& long_hand() { return gauge->chain().elements().at(3); }
};

TEST(AltimeterRoutines, InitializeBindsTheUnitsBeforeTheElements) {
    TestPanel test;
    test.panel.record_calls(true);
    test.panel.load_gauge(module_path("QT.HM-007"));
    std::vector<std::string> calls;
    for (const auto& call : test.panel.calls())
        if (call.operation == "initialize_var" || call.operation == "element_list_initialize" ||
            call.operation == "lookup_var")
            calls.push_back(call.operation + (call.args[1] == 0x14F ? " 0x14F" : ""));
    EXPECT_EQ(calls, (std::vector<std::string>{"initialize_var 0x14F", "element_list_initialize"}));
}

TEST_F(AltimeterOnPanel, HandsFollowAUnitsChangeBetweenUpdates) {
    // The token changes unit with the setting; the hands stay where the altitude is.
    test.aircraft.air_data().set_pressure_altitude_m(2500);
    for (double units : {2.0, 0.0, 1.0, 2.0}) {
        test.aircraft.set(0x14F, units);
        test.panel.run_frame();
        EXPECT_NEAR(short_hand().angle, 180, 1e-6) << "units " << units;
        EXPECT_NEAR(long_hand().angle, 990, 1e-6) << "units " << units;
    }
}

TEST_F(AltimeterOnPanel, RingFollowsThePressureSetting) {
    for (double hpa : {1013.25, 960.0}) {
        test.aircraft.set(0x4B, hpa);
        test.panel.run_frame();
        EXPECT_NEAR(ring().rotation, hpa * ALT_RING_DEGREES_PER_HPA, 1e-6) << hpa << " hPa";
        EXPECT_EQ(ring().offset_x, 0.0);
        EXPECT_EQ(ring().offset_y, 0.0);
    }
}

// Face points of the knob halves and of places that only carry a help id.
constexpr PIXPOINT KNOB_RIGHT = {60, 282}, KNOB_LEFT = {20, 282};

TEST_F(AltimeterOnPanel, KnobHalvesSendTheSettingEventsAndNothingElseIsClickable) {
    struct Case {
        PIXPOINT at;
        uint32_t event;  // 0: no call
        uint32_t help_id;
    } cases[] = {
        {KNOB_RIGHT, 0x1015B, 0xA034},
        {{79, 321}, 0x1015B, 0xA034},  // the right half's far corner
        {KNOB_LEFT, 0x1015C, 0xA034},
        {{0, 242}, 0x1015C, 0xA034},   // the left half's first pixel
        {{80, 282}, 0, 0xA001},        // just right of the knob
        {{40, 241}, 0, 0xA001},        // just above it
        {{158, 155}, 0, 0xA001},       // the dial
    };
    for (const auto& c : cases) {
        test.panel.clear_sent_events();
        const bool hit = test.panel.press(*gauge, c.at);
        test.panel.release();
        const auto& sent = test.panel.sent_events();
        EXPECT_EQ(gauge->mouse().help_id_at(c.at), c.help_id) << c.at.x << "," << c.at.y;
        if (c.event == 0) {
            EXPECT_FALSE(hit) << c.at.x << "," << c.at.y;
            EXPECT_TRUE(sent.empty()) << c.at.x << "," << c.at.y;
            continue;
        }
        ASSERT_EQ(sent.size(), 1u) << c.at.x << "," << c.at.y;
        EXPECT_EQ(sent[0].event_id, c.event);
        EXPECT_EQ(sent[0].value, 1u);
    }
}

TEST_F(AltimeterOnPanel, HoldingAKnobHalfRepeatsItsEventAndTurnsTheRing) {
    struct Case {
        PIXPOINT at;
        uint32_t event;
        double step;
    } cases[] = {{KNOB_RIGHT, 0x1015B, +1}, {KNOB_LEFT, 0x1015C, -1}};
    for (const auto& c : cases) {
        test.aircraft.set(0x4B, 1013.25);
        test.panel.clear_sent_events();
        test.panel.press(*gauge, c.at);
        test.panel.run_frames(18);  // one second held: the click and eight repeats
        test.panel.release();
        test.panel.run_frames(18);
        const auto& sent = test.panel.sent_events();
        ASSERT_EQ(sent.size(), 9u);
        for (const auto& event : sent) {
            EXPECT_EQ(event.event_id, c.event);
            EXPECT_EQ(event.value, 1u);
        }
        const double hpa = 1013.25 + 9 * c.step;
        EXPECT_DOUBLE_EQ(test.aircraft.read(0x4B).n, hpa);
        EXPECT_NEAR(ring().rotation, hpa * ALT_RING_DEGREES_PER_HPA, 1e-6);
    }
}

// Brightness of a face pixel (0..255) and whether it is the ring's blue.
struct Pixel {
    int r, g, b;
    double brightness() const { return (r + g + b) / 3.0; }
    bool ring_blue() const { return b > r + 40 && b > g + 40; }
};

Pixel pixel_at(cairo_surface_t* surface, double x, double y) {
    const int stride = cairo_image_surface_get_stride(surface);
    auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface) + int(y) * stride);
    const uint32_t p = row[int(x)];
    return {int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF)};
}

TEST_F(AltimeterOnPanel, DrawnHandsAndRingShowWhereTheyShould) {
    GaugeRenderer renderer;
    test.aircraft.set(0x14F, 2);
    test.aircraft.set(0x4B, 1013.25);
    test.aircraft.set(0x4A, 2500);  // short hand at 9 o'clock, long hand at 12
    test.panel.run_frame();
    cairo_surface_t* image = renderer.render(*gauge, 1.0);
    cairo_surface_flush(image);
    const double px = ALT_HAND_POSITION.x + 0.5, py = ALT_HAND_POSITION.y + 0.5;
    const double inside_window = (ALT_WINDOW_INNER_RADIUS + ALT_WINDOW_OUTER_RADIUS) / 2;
    struct Probe {
        double x, y;
        bool (*holds)(const Pixel&);
        const char* what;
    } probes[] = {
        {px - 40, py, [](const Pixel& p) { return p.brightness() > 180; }, "short hand's pointer at 9 o'clock"},
        {px, py - 80, [](const Pixel& p) { return p.brightness() > 180; }, "long hand's pointer at 12 o'clock"},
        {px + 40, py, [](const Pixel& p) { return p.brightness() < 60; }, "no hand at 3 o'clock"},
        {ALT_RING_CENTRE.x + 0.5 - inside_window * std::sin(20 * M_PI / 180),
         ALT_RING_CENTRE.y + 0.5 - inside_window * std::cos(20 * M_PI / 180),
         [](const Pixel& p) { return p.ring_blue(); }, "the ring inside its window"},
        {ALT_RING_CENTRE.x + 0.5 + inside_window * std::sin(45 * M_PI / 180),
         ALT_RING_CENTRE.y + 0.5 - inside_window * std::cos(45 * M_PI / 180),
         [](const Pixel& p) { return !p.ring_blue(); }, "no ring outside its window"},
        {ALT_RING_CENTRE.x + 0.5, ALT_RING_CENTRE.y + 0.5 + inside_window,
         [](const Pixel& p) { return !p.ring_blue(); }, "no ring at 6 o'clock"},
    };
    bool failed = false;
    for (const auto& probe : probes) {
        const Pixel p = pixel_at(image, probe.x, probe.y);
        if (!probe.holds(p)) {
            failed = true;
            ADD_FAILURE() << probe.what << ": pixel (" << probe.x << ", " << probe.y << ") is " << p.r << "," << p.g
                          << "," << p.b;
        }
    }
    if (failed) {
        const auto path = test_output_dir() / "altimeter-2500m.png";
        write_png(image, path.string());
        ADD_FAILURE() << "look at " << path;
    }
    cairo_surface_destroy(image);
}

}  // namespace
