// The flight computer operated through the host's panel: switching on, the pages its
// buttons reach, the files it shares, and pictures of the LCD for a person to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "host/render/gauge_renderer.h"
#include "tests/test_support.h"

namespace {

constexpr PIXPOINT POWER_KNOB = {105, 40}, GO = {211, 39}, LEFT = {35, 196}, RIGHT = {282, 197},
                   UP = {103, 277}, DOWN = {213, 277};

// Chain positions of the text places and icons.
constexpr int DIST_POINT = 7, DIST_WHOLE = 8, DIST_TENTHS = 9, ALT_READOUT = 10, TITLE_LINE = 11,
              DIST_LABEL = 14, ALT_LABEL = 15, REQ_DIFF_LABEL = 16, SCALE_DOUBLE_MARK = 21;

constexpr uint32_t TOKEN_UNITS = 0x14F, TOKEN_ALTITUDE = 0x4A, TOKEN_PRESSURE = 0x4B;

std::string file_text(const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct FlightComputer : ::testing::Test {
    TestPanel test;
    GaugeInstance* gauge = nullptr;

    void SetUp() override {
        gauge = &test.panel.load_gauge(module_path("QT.T-KOR"));
        test.aircraft.set(TOKEN_UNITS, 2);  // metres and km/h
        test.panel.run_frame();
    }

    // Clicks, then two frames: the readouts come before the title line in the chain, so
    // they show what the title's page logic set one frame later.
    void click(PIXPOINT point, int clicks = 1) {
        for (int i = 0; i < clicks; ++i) {
            ASSERT_TRUE(test.panel.press(*gauge, point));
            test.panel.release();
        }
        test.panel.run_frames(2);
    }

    // Switches on and waits out the intro, on the start page.
    void switch_on() {
        click(POWER_KNOB);
        test.panel.run_frames(3 * Panel::FRAMES_PER_SECOND + 2);
    }

    ElementState& element(int index) { return gauge->chain().elements().at(index); }
    std::string text(int index) { return reinterpret_cast<ELEMENT_STRING*>(element(index).record)->string; }
    std::string dist_row() { return text(DIST_WHOLE) + text(DIST_POINT) + text(DIST_TENTHS); }

    void save_picture(const std::string& name) {
        GaugeRenderer renderer;
        cairo_surface_t* image = renderer.render(*gauge, 2.0);
        write_png(image, (test_output_dir() / ("flightcomputer-" + name + ".png")).string());
        cairo_surface_destroy(image);
    }
};

TEST_F(FlightComputer, SwitchesOnToTheIntroThenTheAltimeterAndGoesToTheWindPage) {
    test.aircraft.set(TOKEN_ALTITUDE, 1234);
    save_picture("off");
    EXPECT_EQ(text(TITLE_LINE), "");
    click(POWER_KNOB);
    EXPECT_EQ(text(TITLE_LINE), "T-KOR FS98");
    save_picture("intro");
    test.panel.run_frames(3 * Panel::FRAMES_PER_SECOND + 2);
    EXPECT_EQ(text(TITLE_LINE), "Altimeter");
    EXPECT_EQ(text(ALT_READOUT), " 1234");
    EXPECT_EQ(element(ALT_LABEL).picture, 1);
    EXPECT_EQ(dist_row(), "") << "the start page has no distance";
    save_picture("start");
    click(GO);
    EXPECT_EQ(text(TITLE_LINE), "TW 0.0 M") << "no navigation file: wind 0, manual";
    EXPECT_EQ(dist_row(), "  0.0");
    EXPECT_EQ(element(DIST_LABEL).picture, 1);
    EXPECT_TRUE(std::filesystem::exists("GPSNAV.QVD")) << "created empty";
    test.panel.run_frames(3);  // the climb readouts take their first step
    save_picture("wind");
}

TEST_F(FlightComputer, TheNavigationFileDrivesDistanceAndGoalReadouts) {
    std::ofstream("GPSNAV.QVD") << "1\n350\n25\n0\n0\n80\n";
    switch_on();
    click(GO);
    EXPECT_EQ(dist_row(), " 25.0");
    EXPECT_EQ(text(TITLE_LINE).substr(6), " A");
    click(RIGHT, 2);  // goal altitude: elevation + goal height
    EXPECT_EQ(text(TITLE_LINE), "Goal Alt.");
    EXPECT_EQ(text(ALT_READOUT), "  450");
    EXPECT_EQ(dist_row(), "");
    click(RIGHT);
    EXPECT_EQ(text(ALT_READOUT), "  350");
    std::ofstream("GPSNAV.QVD") << "0\n";
    test.panel.run_frames(2);
    EXPECT_EQ(text(ALT_READOUT), "    0") << "an invalid file takes effect at the next run";
}

TEST_F(FlightComputer, TheAltimeterPageSetsThePressureThroughTheSimulator) {
    test.aircraft.set(TOKEN_PRESSURE, 1013.2);
    switch_on();
    click(GO);
    click(LEFT);
    EXPECT_EQ(text(TITLE_LINE), "Altimeter");
    EXPECT_EQ(dist_row(), "013.2");
    save_picture("altimeter");
    test.panel.clear_sent_events();
    click(UP);
    click(DOWN);
    const auto& events = test.panel.sent_events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].event_id, 0x1015Bu);
    EXPECT_EQ(events[1].event_id, 0x1015Cu);
    EXPECT_EQ(events[0].value, 1u);
    EXPECT_EQ(events[1].value, 1u);
    test.aircraft.set(TOKEN_UNITS, 0);
    test.aircraft.set(TOKEN_PRESSURE, 1013.25);
    test.panel.run_frames(2);
    EXPECT_EQ(dist_row(), "029.9") << "inches of mercury";
}

TEST_F(FlightComputer, HoldingUpRepeatsAndTheSettingReachesTheSettingsFile) {
    switch_on();
    click(GO);
    click(RIGHT);  // MacCready
    ASSERT_TRUE(test.panel.press(*gauge, UP));
    test.panel.run_frames(Panel::FRAMES_PER_SECOND);  // one second held
    test.panel.release();
    test.panel.run_frame();
    const std::string title = text(TITLE_LINE);
    EXPECT_EQ(title.substr(0, 2), "Mc");
    EXPECT_GT(std::stod(title.substr(2, 3)), 0.5) << title;
    EXPECT_EQ(element(REQ_DIFF_LABEL).picture, 2) << "Diff";
    save_picture("maccready");
    click(RIGHT, 4);  // compensation
    EXPECT_EQ(text(TITLE_LINE), "Compensat");
    EXPECT_EQ(file_text("T-KOR.QVD"), "1\n2\n2\n4.0\n");
    click(UP);
    EXPECT_EQ(text(ALT_READOUT), "  4.1");
    EXPECT_EQ(file_text("T-KOR.QVD"), "1\n2\n2\n4.1\n") << "at the next title run";
    click(RIGHT);
    click(DOWN);  // filter: standard to slow
    EXPECT_EQ(text(TITLE_LINE), "Slow Vario");
    EXPECT_EQ(text(ALT_READOUT), "");
    click(RIGHT);
    click(UP);  // scale: x 1 to x 2, its mark at the top right
    EXPECT_EQ(text(TITLE_LINE), "Scale: x 2");
    EXPECT_EQ(element(SCALE_DOUBLE_MARK).picture, 1);
    save_picture("scale");
    click(POWER_KNOB);
    EXPECT_EQ(file_text("T-KOR.QVD"), "0\n3\n3\n4.1\n");
}

TEST_F(FlightComputer, ButtonsWorkWhileOffAndTheSettingsStay) {
    click(GO);
    click(RIGHT, 5);  // compensation, invisibly
    click(UP, 3);
    EXPECT_EQ(text(TITLE_LINE), "");
    EXPECT_EQ(file_text("T-KOR.QVD"), "0\n2\n2\n4.3\n");
    click(POWER_KNOB);
    EXPECT_EQ(text(TITLE_LINE), "T-KOR FS98") << "switching on starts at the intro";
    EXPECT_EQ(file_text("T-KOR.QVD"), "1\n2\n2\n4.3\n");
}

TEST_F(FlightComputer, TheFlightTimeCountsOnAcrossMidnight) {
    test.aircraft.set_time_of_day(23, 59, 50);
    switch_on();  // about 3 s of simulator time
    click(GO);
    click(LEFT, 2);
    test.panel.run_frames(17 * Panel::FRAMES_PER_SECOND);  // past midnight
    EXPECT_EQ(text(TITLE_LINE).substr(0, 9), "FT00:00:2") << text(TITLE_LINE);
    save_picture("flight-time");
}

// Wild tokens and a navigation file of extreme numbers, on every page: no text ever holds
// "nan" or "inf" or runs past its place.
TEST_F(FlightComputer, ExtremeValuesNeverOverflowAPlace) {
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    std::ofstream("GPSNAV.QVD") << "1\n-1e300\n1e300\n\n\n-1e300\n";
    switch_on();
    click(GO);
    click(LEFT, 2);  // the flight-time page, the left end
    for (double value : {1e300, -1e300, NaN, 0.0}) {
        for (uint32_t token : {0x3Du, TOKEN_ALTITUDE, 0x41u, TOKEN_PRESSURE}) test.aircraft.set(token, value);
        for (int page = 0; page < 11; ++page) {
            test.panel.run_frames(3);
            for (auto& state : gauge->chain().elements()) {
                if (state.record->element_type != ELEMENT_TYPE_STRING) continue;
                const auto* place = reinterpret_cast<ELEMENT_STRING*>(state.record);
                const std::string shown = place->string;
                SCOPED_TRACE(shown);
                EXPECT_LE(shown.size(), place->max_string_length);
                EXPECT_EQ(shown.find("nan"), std::string::npos);
                EXPECT_EQ(shown.find("inf"), std::string::npos);
            }
            click(page < 10 ? RIGHT : LEFT, page < 10 ? 1 : 10);
        }
    }
    EXPECT_EQ(file_text("T-KOR.QVD"), "1\n2\n2\n4.0\n");
}

}  // namespace

// Fontconfig, used when drawing the text places, keeps caches to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
