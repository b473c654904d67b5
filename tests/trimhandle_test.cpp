// The trim handle "Trim instelling": the position its formula gives for a height, and
// through the host the events a click and a drag send and the knob the trim moves.
#include <gtest/gtest.h>

#include <cmath>

#include "host/render/gauge_renderer.h"
#include "host/sim/elevator_trim_position.h"
#include "test_support.h"
#include "trimhandle/trim_drag.h"

namespace {

TEST(TrimPosition, TopRowAsksFor16363AndTheQuotientIsTruncatedTowardZero) {
    struct Case {
        int32_t y, face_height, expected;
    } cases[] = {
        {0, 225, 16363},       {1, 225, 16218},   {112, 225, 53},
        {224, 225, -16257},    {-1, 225, 16508},  // dragged above the face
        {0, 450, 16363},       {450, 450, -16403},  // another installed height: top and bottom edge
        {100000, 225, -14546303},                   // far below the face: no overflow
        {-100000, 225, 16363 + 14562666},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trim_position_at(c.y, c.face_height), c.expected) << "y " << c.y << ", face " << c.face_height;
}

TEST(TrimPosition, ExtremeDragPointsStayWithinASignedWord) {
    EXPECT_EQ(trim_position_at(INT32_MAX, 225), INT32_MIN);
    EXPECT_EQ(trim_position_at(INT32_MIN, 225), INT32_MAX);
}

struct TrimHandle : ::testing::Test {
    TestPanel test;
    GaugeInstance* gauge = nullptr;
    void SetUp() override { gauge = &test.panel.load_gauge(module_path("QT.TR-010")); }

    std::vector<int32_t> trim_events() const {
        std::vector<int32_t> values;
        for (const auto& event : test.panel.sent_events()) {
            EXPECT_EQ(event.event_id, TRIM_SET_EVENT);
            values.push_back(static_cast<int32_t>(event.value));
        }
        return values;
    }
};

TEST_F(TrimHandle, ClickSendsThePositionAtItsHeightWhereverItIsAcross) {
    struct Case {
        PIXPOINT at;
        int32_t expected;
    } cases[] = {{{32, 0}, 16363}, {{0, 0}, 16363}, {{63, 0}, 16363},
                 {{5, 112}, 53},   {{60, 112}, 53}, {{32, 224}, -16257}};
    for (const auto& c : cases) {
        test.panel.clear_sent_events();
        ASSERT_TRUE(test.panel.press(*gauge, c.at));
        test.panel.release();
        EXPECT_EQ(trim_events(), std::vector<int32_t>{c.expected}) << c.at.x << "," << c.at.y;
    }
}

TEST_F(TrimHandle, EveryDragCallSendsTheEventAlsoOutsideTheFaceAndUnchanged) {
    ASSERT_TRUE(test.panel.press(*gauge, {32, 112}));
    test.panel.drag_to({32, 112});  // same value again
    test.panel.drag_to({40, 1});
    test.panel.drag_to({40, -1});   // above the face
    test.panel.drag_to({200, 100000});  // far below and beside it
    test.panel.release();
    EXPECT_EQ(trim_events(), (std::vector<int32_t>{53, 53, 16218, 16508, -14546303}));
    EXPECT_DOUBLE_EQ(test.aircraft.read(TOKEN_ELEVATOR_TRIM_POSITION).n, -16383) << "the simulator limits the trim";
}

TEST_F(TrimHandle, KnobFollowsTheTrimDownFromItsPlaceAtZero) {
    struct Case {
        double trim;
        double knob_top;
    } cases[] = {{0, 78}, {16383, 78 + 16383 * 0.004775}, {-16383, 78 - 16383 * 0.004775}};
    GaugeRenderer renderer;
    for (const auto& c : cases) {
        test.aircraft.set(TOKEN_ELEVATOR_TRIM_POSITION, c.trim);
        test.panel.run_frame();
        const ElementState& knob = gauge->chain().elements().at(1);
        EXPECT_NEAR(78 + knob.offset_y, c.knob_top, 1e-6) << "trim " << c.trim;
        // The ball's centre lies 38 rows below the knob's top, in copper, over the slot.
        cairo_surface_t* image = renderer.render(*gauge, 1.0);
        cairo_surface_flush(image);
        int centre_y = int(std::lround(c.knob_top + 38));
        auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(image) +
                                                      centre_y * cairo_image_surface_get_stride(image));
        uint32_t rgb = row[32] & 0xFFFFFF;
        bool copper = ((rgb >> 16) & 0xFF) > ((rgb & 0xFF) + 40);  // clearly more red than blue
        EXPECT_TRUE(copper) << "trim " << c.trim << ": pixel (32, " << centre_y << ") is " << std::hex << rgb;
        if (!copper) write_png(image, (test_output_dir() / ("trimhandle-" + std::to_string(int(c.trim)) + ".png")).string());
        cairo_surface_destroy(image);
    }
}

}  // namespace
