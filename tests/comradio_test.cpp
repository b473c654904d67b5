// The COM radio "Halvor" on the host's panel: clicks on its areas, the events it sends,
// what the simulator then reads, the knob angles and the display text.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "test_support.h"

namespace {

using Events = std::vector<std::pair<uint32_t, uint32_t>>;

constexpr uint32_t SET = 0x100AB, WHOLE_UP = 0x10065, WHOLE_DOWN = 0x10064, FRACTION_UP = 0x10067,
                   FRACTION_DOWN = 0x10066;

// The middle of each mouse area on the face.
constexpr PIXPOINT SWITCH = {65, 32};
constexpr PIXPOINT VOLUME_UP = {130, 27}, VOLUME_DOWN = {108, 27};
constexpr PIXPOINT SELECT_UP = {66, 184}, SELECT_DOWN = {46, 184};
constexpr PIXPOINT STORE = {173, 31};
constexpr PIXPOINT WHOLE_UP_AREA = {196, 200}, WHOLE_DOWN_AREA = {136, 200};
constexpr PIXPOINT FRACTION_UP_AREA = {176, 200}, FRACTION_DOWN_AREA = {156, 200};

// Chain order: face, volume, selector, outer knob, inner knob, display.
enum Element { VOLUME = 1, SELECTOR = 2, OUTER = 3, INNER = 4, DISPLAY = 5 };

Events events_of(const Panel& panel) {
    Events events;
    for (const auto& event : panel.sent_events()) events.emplace_back(event.event_id, event.value);
    return events;
}

struct ComRadio : ::testing::Test {
    TestPanel test;
    GaugeInstance* gauge = nullptr;

    void SetUp() override {
        gauge = &test.panel.load_gauge(module_path("QT.COM-002"));
        test.panel.run_frame();
        test.panel.clear_sent_events();
    }
    // A click delivered through the host; returns the events it sent.
    Events click(PIXPOINT at, int times = 1) {
        test.panel.clear_sent_events();
        for (int i = 0; i < times; ++i) {
            EXPECT_TRUE(test.panel.press(*gauge, at)) << at.x << "," << at.y;
            test.panel.release();
        }
        test.panel.run_frame();
        return events_of(test.panel);
    }
    uint32_t simulator_word() { return test.aircraft.read(0x17).d; }
    void tune_simulator(uint32_t word) {
        test.aircraft.set_word(0x17, word);
        test.panel.run_frame();
    }
    double angle(Element element) { return gauge->chain().elements().at(element).angle; }
    std::string display() {
        return reinterpret_cast<ELEMENT_STRING*>(gauge->chain().elements().at(DISPLAY).record)->string;
    }
};

TEST(ComRadioInstall, TunesTheSimulatorAfterRegisteringAndBindsBeforeInitializing) {
    TestPanel test;
    test.aircraft.set_word(0x17, 0x2500);
    test.panel.record_calls(true);
    test.panel.load_gauge(module_path("QT.COM-002"));
    std::vector<std::string> operations;
    for (const auto& call : test.panel.calls()) operations.push_back(call.operation);
    EXPECT_EQ(operations, (std::vector<std::string>{"element_list_query", "element_list_install",
                                                    "mouse_list_install", "mouse_list_register",
                                                    "trigger_key_event", "initialize_var",
                                                    "element_list_initialize"}));
    EXPECT_EQ(test.panel.calls().at(5).args[1], 0x17u) << "the COM frequency variable";
    EXPECT_EQ(events_of(test.panel), (Events{{SET, 0x1800}}));
    EXPECT_EQ(test.aircraft.read(0x17).d, 0x1800u);
}

TEST_F(ComRadio, LoadsWithItsKnobsAtTheirStartingAngles) {
    EXPECT_DOUBLE_EQ(angle(VOLUME), 90) << "mark at 6 o'clock";
    EXPECT_DOUBLE_EQ(angle(SELECTOR), -45) << "on A";
    EXPECT_DOUBLE_EQ(angle(OUTER), 0) << "dot at 12 o'clock";
    EXPECT_DOUBLE_EQ(angle(INNER), -135);
    EXPECT_EQ(display(), "118.00");
}

TEST_F(ComRadio, DisplayShowsTheSimulatorsFrequency) {
    struct Case {
        uint32_t word;
        const char* text;
    } cases[] = {
        {0x1800, "118.00"}, {0x3695, "136.95"}, {0xA000, "200.00"},
        {0x59000, "990.00"}, {0x5A000, "---.--"}, {0xFFFFFFFF, "---.--"},
    };
    for (const auto& c : cases) {
        tune_simulator(c.word);
        EXPECT_EQ(display(), c.text) << std::hex << "word 0x" << c.word;
    }
}

TEST_F(ComRadio, SelectorRecallsTheMemoriesAndSendsNothingOnA) {
    struct Step {
        PIXPOINT at;
        Events sent;
        double angle;
        uint32_t simulator;
    } steps[] = {
        {SELECT_DOWN, {{SET, 0x2070}}, -75, 0x2070},   // A to the memory labelled 1
        {SELECT_DOWN, {{SET, 0x1835}}, -105, 0x1835},  // 2
        {SELECT_DOWN, {{SET, 0x2210}}, -135, 0x2210},  // 3
        {SELECT_DOWN, {{SET, 0x1930}}, -165, 0x1930},  // 4
        {SELECT_DOWN, {{SET, 0x1930}}, -165, 0x1930},  // at the stop: sent again
        {SELECT_UP, {{SET, 0x2210}}, -135, 0x2210},
        {SELECT_UP, {{SET, 0x1835}}, -105, 0x1835},
        {SELECT_UP, {{SET, 0x2070}}, -75, 0x2070},
        {SELECT_UP, {}, -45, 0x2070},                  // onto A: the simulator keeps 120.70
        {SELECT_UP, {}, -45, 0x2070},                  // at A: nothing
    };
    int index = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << index++);
        EXPECT_EQ(click(step.at), step.sent);
        EXPECT_DOUBLE_EQ(angle(SELECTOR), step.angle);
        EXPECT_EQ(simulator_word(), step.simulator);
    }
}

TEST_F(ComRadio, StoreKeepsTheSimulatorsFrequencyOnAMemoryOnly) {
    tune_simulator(0x2150);
    EXPECT_EQ(click(STORE), Events{}) << "STORE at A does nothing";
    EXPECT_EQ(click(SELECT_DOWN), (Events{{SET, 0x2070}})) << "memory 1 unchanged";

    click(SELECT_DOWN);  // position 2
    tune_simulator(0x2150);
    EXPECT_EQ(click(STORE), (Events{{SET, 0x2150}}));
    click(SELECT_DOWN);
    EXPECT_EQ(simulator_word(), 0x2210u);
    EXPECT_EQ(click(SELECT_UP), (Events{{SET, 0x2150}})) << "back on 2 recalls what was stored";
    EXPECT_EQ(display(), "121.50");
}

TEST_F(ComRadio, TuningCarriesAndBorrowsAtTheMegahertz) {
    struct Case {
        uint32_t before;
        PIXPOINT at;
        Events sent;
        uint32_t after;
    } cases[] = {
        {0x1895, FRACTION_UP_AREA, {{FRACTION_UP, 0}, {WHOLE_UP, 0}}, 0x1900},
        {0x1900, FRACTION_DOWN_AREA, {{FRACTION_DOWN, 0}, {WHOLE_DOWN, 0}}, 0x1895},
        {0x1890, FRACTION_UP_AREA, {{FRACTION_UP, 0}}, 0x1895},
        {0x1900, FRACTION_UP_AREA, {{FRACTION_UP, 0}}, 0x1905},
        {0x1895, FRACTION_DOWN_AREA, {{FRACTION_DOWN, 0}}, 0x1890},
        {0x1805, FRACTION_DOWN_AREA, {{FRACTION_DOWN, 0}}, 0x1800},
        {0x3695, FRACTION_UP_AREA, {{FRACTION_UP, 0}, {WHOLE_UP, 0}}, 0x1800},       // top of the band
        {0x1800, FRACTION_DOWN_AREA, {{FRACTION_DOWN, 0}, {WHOLE_DOWN, 0}}, 0x3695}, // bottom of the band
        {0x1850, WHOLE_UP_AREA, {{WHOLE_UP, 0}}, 0x1950},
        {0x1850, WHOLE_DOWN_AREA, {{WHOLE_DOWN, 0}}, 0x3650},
    };
    for (const auto& c : cases) {
        tune_simulator(c.before);
        EXPECT_EQ(click(c.at), c.sent) << std::hex << "from 0x" << c.before;
        EXPECT_EQ(simulator_word(), c.after) << std::hex << "from 0x" << c.before;
    }
}

// The carry works only because the read-back inside the mouse function still shows the
// frequency from before the step: the host performs events once the function returns.
TEST_F(ComRadio, HostPerformsEventsOnlyAfterTheMouseFunctionReturns) {
    tune_simulator(0x1895);
    test.panel.record_calls(true);
    test.panel.press(*gauge, FRACTION_UP_AREA);
    test.panel.release();
    std::vector<std::string> operations;
    for (const auto& call : test.panel.calls()) operations.push_back(call.operation);
    EXPECT_EQ(operations, (std::vector<std::string>{"trigger_key_event", "lookup_var", "trigger_key_event"}))
        << "the frequency is read after the fraction event was sent";
    EXPECT_EQ(simulator_word(), 0x1900u) << "both events performed, after the read";
}

TEST_F(ComRadio, HoldingTheInnerKnobTurnsItAFullTurnAndTheOuterKnobOneStep) {
    test.panel.clear_sent_events();
    test.panel.press(*gauge, FRACTION_UP_AREA);
    auto steps = [&] {
        int count = 0;
        for (const auto& event : test.panel.sent_events()) count += event.event_id == FRACTION_UP;
        return count;
    };
    for (int frame = 0; frame < 100 && steps() < 20; ++frame) test.panel.run_frame();
    test.panel.release();
    test.panel.run_frame();
    ASSERT_EQ(steps(), 20);
    EXPECT_DOUBLE_EQ(angle(INNER), -135) << "back where it started";
    EXPECT_DOUBLE_EQ(angle(OUTER), 19);
    EXPECT_EQ(simulator_word(), 0x1900u) << "twenty steps of 0.05 MHz with one carry";

    click(FRACTION_DOWN_AREA, 21);
    EXPECT_DOUBLE_EQ(angle(INNER), 207) << "one step before the start";
    EXPECT_DOUBLE_EQ(angle(OUTER), 342) << "the outer knob turned back past 0";
}

TEST_F(ComRadio, NineteenWholeStepsTurnTheOuterKnobOnce) {
    click(WHOLE_UP_AREA, 18);
    EXPECT_DOUBLE_EQ(angle(OUTER), 342);
    click(WHOLE_UP_AREA);
    EXPECT_DOUBLE_EQ(angle(OUTER), 0);
    click(WHOLE_DOWN_AREA);
    EXPECT_DOUBLE_EQ(angle(OUTER), 342);
}

TEST_F(ComRadio, VolumeStopsAtItsEndsAndTheSwitchChangesNothing) {
    struct Case {
        PIXPOINT at;
        int clicks;
        double angle;
    } cases[] = {{VOLUME_UP, 3, 180}, {VOLUME_UP, 10, 360}, {VOLUME_DOWN, 1, 330}, {VOLUME_DOWN, 12, 90}};
    for (const auto& c : cases) {
        EXPECT_EQ(click(c.at, c.clicks), Events{}) << "volume sends nothing";
        EXPECT_DOUBLE_EQ(angle(VOLUME), c.angle);
    }

    EXPECT_EQ(gauge->mouse().hit(SWITCH)->record->cursor, CURSOR_HAND);
    const double before[] = {angle(VOLUME), angle(SELECTOR), angle(OUTER), angle(INNER)};
    EXPECT_EQ(click(SWITCH), Events{});
    const double after[] = {angle(VOLUME), angle(SELECTOR), angle(OUTER), angle(INNER)};
    for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(after[i], before[i]) << "knob " << i + 1;
    EXPECT_EQ(simulator_word(), 0x1800u);
}

TEST_F(ComRadio, ReinstallTunesBackToTheLastRecalledOrStoredFrequency) {
    click(SELECT_DOWN);                   // recalls 120.70
    click(FRACTION_UP_AREA, 2);           // tuned on to 120.80
    test.panel.clear_sent_events();
    test.panel.reinstall(*gauge);
    EXPECT_EQ(events_of(test.panel), (Events{{SET, 0x2070}}));
    EXPECT_EQ(simulator_word(), 0x2070u);

    tune_simulator(0x2250);
    click(STORE);                         // memory 1 becomes 122.50
    click(SELECT_DOWN);
    test.panel.reinstall(*gauge);
    EXPECT_EQ(simulator_word(), 0x1835u) << "the last recall";
    test.panel.run_frame();
    EXPECT_DOUBLE_EQ(angle(SELECTOR), -105) << "the selector stays where it was";
    EXPECT_EQ(click(SELECT_UP), (Events{{SET, 0x2250}})) << "the stored memory outlived the reinstall";
}

TEST(ComRadioModule, EveryLoadStartsFromTheBuiltInState) {
    for (int load = 0; load < 2; ++load) {
        TestPanel test;
        GaugeInstance& gauge = test.panel.load_gauge(module_path("QT.COM-002"));
        EXPECT_EQ(events_of(test.panel), (Events{{SET, 0x1800}})) << "load " << load;
        test.panel.run_frame();
        EXPECT_DOUBLE_EQ(gauge.chain().elements().at(SELECTOR).angle, -45) << "load " << load;
        test.panel.press(gauge, SELECT_DOWN);  // changes the state before the module unloads
        test.panel.release();
    }
}

}  // namespace
