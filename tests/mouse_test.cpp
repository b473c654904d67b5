// Mouse delivery through the host: hit testing, the point relative to the child box,
// repeats while held and calls while dragging. The test gauge reports each call as events.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

struct MouseCall {
    uint32_t area;
    PIXPOINT point;
    uint32_t flags;
};

std::vector<MouseCall> mouse_calls(const Panel& panel) {
    std::vector<MouseCall> calls;
    const auto& events = panel.sent_events();
    for (size_t i = 0; i + 1 < events.size(); i += 2) {
        uint32_t word = events[i].value;
        calls.push_back({events[i].event_id - 0x11000,
                         {int32_t(word / 10000) - 1000, int32_t(word % 10000) - 1000},
                         events[i + 1].value});
    }
    return calls;
}

struct Clicker : ::testing::Test {
    TestPanel test;
    GaugeInstance* gauge = nullptr;
    void SetUp() override { gauge = &test.panel.load_gauge(module_path("test_clicker")); }
};

TEST_F(Clicker, ClickFindsTheChildAndGivesThePointRelativeToItsBox) {
    struct Case {
        PIXPOINT at;
        bool hit;
        uint32_t area;
        PIXPOINT relative;
    } cases[] = {
        {{5, 7}, true, 1, {5, 7}},     // first group, parent covers the face
        {{19, 19}, true, 1, {19, 19}},
        {{20, 5}, false, 0, {}},       // just right of the first child
        {{52, 45}, true, 2, {2, 5}},   // second group: parent box at (50, 40)
        {{80, 79}, true, 3, {5, 39}},
        {{49, 45}, false, 0, {}},
    };
    for (const auto& c : cases) {
        test.panel.clear_sent_events();
        bool hit = test.panel.press(*gauge, c.at);
        test.panel.release();
        EXPECT_EQ(hit, c.hit) << c.at.x << "," << c.at.y;
        auto calls = mouse_calls(test.panel);
        if (!c.hit) {
            EXPECT_TRUE(calls.empty());
            continue;
        }
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].area, c.area);
        EXPECT_EQ(calls[0].point.x, c.relative.x);
        EXPECT_EQ(calls[0].point.y, c.relative.y);
        EXPECT_EQ(calls[0].flags, MOUSE_LEFTSINGLE);
    }
    EXPECT_EQ(gauge->mouse().help_id_at({60, 50}), 0xB002u);
}

TEST_F(Clicker, HoldingRepeatsOnlyWhereTheFlagsAskForIt) {
    test.panel.press(*gauge, {55, 50});  // repeating child
    test.panel.run_frames(18);           // one second held
    test.panel.release();
    test.panel.run_frames(18);
    auto calls = mouse_calls(test.panel);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].flags, MOUSE_LEFTSINGLE);
    // First repeat after the delay, then one per interval: (1000 - 300) / 100 + 1.
    EXPECT_EQ(calls.size(), 1u + 8u);
    for (size_t i = 1; i < calls.size(); ++i) EXPECT_EQ(calls[i].flags, MOUSE_DOWN_REPEAT);

    test.panel.clear_sent_events();
    test.panel.press(*gauge, {5, 5});    // click-only child
    test.panel.run_frames(18);
    test.panel.release();
    EXPECT_EQ(mouse_calls(test.panel).size(), 1u);
}

TEST_F(Clicker, DraggingFollowsThePointerAlsoOutsideTheBox) {
    test.panel.press(*gauge, {80, 50});  // drag child at (75, 40)
    test.panel.drag_to({90, 60});
    test.panel.drag_to({200, -30});
    test.panel.release();
    test.panel.drag_to({90, 60});        // released: no call
    auto calls = mouse_calls(test.panel);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].flags, MOUSE_LEFTDRAG);
    EXPECT_EQ(calls[1].point.x, 15);
    EXPECT_EQ(calls[1].point.y, 20);
    EXPECT_EQ(calls[2].point.x, 125);
    EXPECT_EQ(calls[2].point.y, -70);
}

TEST_F(Clicker, EventsTakeEffectAfterTheMouseFunctionReturnsInOrder) {
    test.panel.press(*gauge, {5, 5});
    test.panel.release();
    ASSERT_EQ(test.panel.sent_events().size(), 2u);
    EXPECT_EQ(test.panel.sent_events()[0].event_id, 0x11001u);
    EXPECT_EQ(test.panel.sent_events()[1].event_id, 0x12001u);
    EXPECT_EQ(test.panel.sent_events()[0].gauge_name, "Clicker");
}

TEST_F(Clicker, UnregisteredListIsNotClicked) {
    gauge->mouse().set_registered(false);
    EXPECT_FALSE(test.panel.press(*gauge, {5, 5}));
    EXPECT_TRUE(test.panel.sent_events().empty());
}

}  // namespace
