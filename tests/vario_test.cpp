// The variometer through the host: its settings file in the panel's working folder,
// sampling on the module clock, failures, and state that outlives a reinstall.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "host/core/needle_angle.h"
#include "host/core/panel_layout.h"
#include "test_support.h"
#include "vario/vario_dial.h"

namespace {


double angle_for(double value) {
    static const std::vector<double> rows = table_degrees(VARIO_PIVOT, vario_nonlinearity, VARIO_TABLE_ROWS);
    return table_angle(vario_nonlinearity, rows, value);
}

struct VarioOnPanel {
    TestPanel test;
    GaugeInstance* gauge = nullptr;

    // The settings file is written before the gauge first reads it; nullopt leaves none.
    explicit VarioOnPanel(const std::optional<std::string>& settings_file) {
        if (settings_file) std::ofstream("T-KOR.QVD", std::ios::binary) << *settings_file;
        gauge = &test.panel.load_gauge(module_path("QT.VRX-80"));
    }
    ElementState& needle() { return gauge->chain().elements().at(1); }
    // Moves the clock by ms and runs one update, as a frame would.
    double update_after(int64_t ms) {
        test.clock.advance_ms(ms);
        test.panel.update(*gauge);
        return needle().value;
    }
};

TEST(VarioGauge, BindsItsTwoVariablesInInitializeAndLooksThemUpOnlyToSample) {
    TestPanel test;
    test.panel.record_calls(true);
    GaugeInstance& gauge = test.panel.load_gauge(module_path("QT.VRX-80"));
    std::vector<std::string> operations;
    std::vector<uintptr_t> tokens;
    for (const auto& call : test.panel.calls()) {
        operations.push_back(call.operation);
        if (call.operation == "initialize_var") tokens.push_back(call.args[1]);
    }
    EXPECT_EQ(operations, (std::vector<std::string>{"element_list_query", "element_list_install",
                                                    "mouse_list_install", "mouse_list_register", "initialize_var",
                                                    "initialize_var", "element_list_initialize"}));
    EXPECT_EQ(tokens, (std::vector<uintptr_t>{0x41, 0x3D}));

    struct Case {
        int64_t ms;
        int lookups;
    } cases[] = {{100, 0}, {1, 2}, {50, 0}, {51, 2}};  // 100 ms after load, then 101, then 50, then 101
    for (const auto& c : cases) {
        test.panel.clear_calls();
        test.clock.advance_ms(c.ms);
        test.panel.update(gauge);
        int lookups = 0;
        for (const auto& call : test.panel.calls()) lookups += call.operation == "lookup_var";
        EXPECT_EQ(lookups, c.lookups) << "at " << test.clock.now_ms() << " ms";
    }
}

TEST(VarioGauge, ReadsItsSettingsFromTheWorkingFolderAndSamplesAfterMoreThan100Ms) {
    const double vs = 100.0;
    struct Case {
        const char* label;
        std::optional<std::string> file;
        double first_reading;
    } cases[] = {
        {"no file: the initial settings", std::nullopt, 2 * vs / 47},
        {"fast window, doubled", "1\n1\n1\n0.0\n", 2 * (2 * vs) / 23},
        {"slow window, halved", "1\n3\n3\n0.0\n", 2 * (vs / 2) / 95},
        {"computer off", "0\n1\n1\n0.0\n", 2 * vs / 47},
    };
    for (const auto& c : cases) {
        VarioOnPanel vario(c.file);
        vario.test.aircraft.set(TOKEN_VERTICAL_SPEED, vs);  // airspeed 0: no compensation
        EXPECT_EQ(vario.update_after(100), 0.0) << c.label << ": 100 ms after load is too soon";
        EXPECT_NEAR(vario.update_after(1), c.first_reading, 1e-9) << c.label << ": 101 ms samples";
        EXPECT_NEAR(vario.update_after(100), c.first_reading, 1e-9) << c.label << ": 100 ms later, no sample";
        EXPECT_TRUE(std::filesystem::exists("T-KOR.QVD")) << c.label << ": the file exists afterwards";
    }
}

TEST(VarioGauge, FailureKey19FreezesTheNeedleAndKey3ZeroesIt) {
    struct Case {
        uint32_t key;
        double shown_while_failed;
    } cases[] = {{19, 512.0}, {3, 0.0}};
    for (const auto& c : cases) {
        VarioOnPanel vario(std::nullopt);
        vario.test.aircraft.set(TOKEN_VERTICAL_SPEED, 512.0);  // 2 m/s
        vario.test.panel.run_frames(150);
        ASSERT_NEAR(vario.needle().angle, angle_for(512.0), 1e-6);

        vario.test.panel.set_failure(c.key, true);
        vario.test.aircraft.set(TOKEN_VERTICAL_SPEED, -1024.0);
        vario.test.panel.run_frames(150);
        EXPECT_NEAR(vario.needle().angle, angle_for(c.shown_while_failed), 1e-6) << "key " << c.key;

        vario.test.panel.set_failure(c.key, false);
        vario.test.panel.run_frames(150);
        EXPECT_NEAR(vario.needle().angle, angle_for(-1024.0), 1e-6) << "key " << c.key << " repaired";
    }
}

TEST(VarioGauge, SettingsAndHistoryOutliveAPanelsKillAndInstall) {
    VarioOnPanel vario("1\n1\n2\n0.0\n");
    vario.test.aircraft.set(TOKEN_VERTICAL_SPEED, 300.0);
    vario.test.panel.run_frames(100);
    ASSERT_NEAR(vario.needle().value, 300.0, 1e-9);
    vario.test.panel.reinstall(*vario.gauge);
    std::ofstream("T-KOR.QVD", std::ios::binary) << "0\n2\n2\n4.0\n";  // the computer is off now
    vario.test.aircraft.set(TOKEN_VERTICAL_SPEED, 0.0);
    // One sample of 0 into the old, still fast window: 21 of the 23 counted slots hold 300.
    EXPECT_NEAR(vario.update_after(200), 21 * 300.0 / 23, 1e-9);
}

// The flight computer and the variometer on the glider panel, clicked in panel pixels.
struct GliderPanel {
    TestPanel test;
    std::vector<PanelLayout> layouts =
        load_panel_layout(test.panel, read_panel_config(std::filesystem::path(PANELS_DIR) / "glider.cfg"),
                          GAUGE_MODULE_DIR);
    int frames = 0;  // run since the panel started; the variometer samples on every even one

    const PlacedGauge& placed(const std::string& name) {
        for (const PlacedGauge& placed : layouts.at(0).gauges)
            if (placed.gauge->gauge_name() == name) return placed;
        throw std::runtime_error(name + " is not on the panel");
    }
    double vario_value() { return placed("Corvantis VRX").gauge->chain().elements().at(1).value; }
    void run(int count) {
        test.panel.run_frames(count);
        frames += count;
    }
    // A click on a face point of the flight computer, made at the panel point over it.
    void click_computer(PIXPOINT face) {
        const PlacedGauge& computer = placed("Corvantis T-KOR");
        const PIXPOINT size = computer.gauge->face_size();
        const PIXPOINT at{computer.box.x + int((face.x + 0.5) * computer.box.width / size.x),
                          computer.box.y + int((face.y + 0.5) * computer.box.height / size.y)};
        ASSERT_TRUE(press_panel_point(test.panel, layouts.at(0), at));
        test.panel.release();
    }
    std::string settings_file() {
        std::ifstream in("T-KOR.QVD", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST(VarioGauge, FollowsTheFlightComputersFilterWithinTwoUpdatesAndKeepsItWhenTheComputerIsOff) {
    constexpr PIXPOINT POWER_KNOB = {105, 40}, GO = {211, 39}, RIGHT = {282, 197}, DOWN = {213, 277};
    GliderPanel glider;
    glider.test.aircraft.set(TOKEN_VERTICAL_SPEED, 256.0);  // 1 m/s at airspeed 0: no compensation
    glider.click_computer(POWER_KNOB);
    glider.run(3 * Panel::FRAMES_PER_SECOND + 2);  // past the intro
    glider.click_computer(GO);                     // the wind page, then right to the filter page
    for (int page = 20; page < 26; ++page) glider.click_computer(RIGHT);
    glider.run(120 + glider.frames % 2);  // the standard window full of 1 m/s; a sample was just taken
    ASSERT_EQ(glider.settings_file(), "1\n2\n2\n4.0\n");
    ASSERT_NEAR(glider.vario_value(), 256.0, 1e-9);

    // Standard to slow. The variometer updates before the computer on this panel, so it
    // reads the new file in the second update, where its next sample falls: 96 slots now,
    // the 47 past the standard window still 0 from load.
    glider.click_computer(DOWN);
    glider.run(2);
    EXPECT_EQ(glider.settings_file(), "1\n3\n2\n4.0\n");
    EXPECT_NEAR(glider.vario_value(), 49 * 256.0 / 95, 1e-9);

    // Switched off: line 1 says 0 and the variometer keeps the slow window, one more
    // slot of 1 m/s with every sample (the standard window would show 1 m/s again).
    glider.click_computer(POWER_KNOB);
    glider.run(22);
    EXPECT_EQ(glider.settings_file().substr(0, 2), "0\n");
    EXPECT_NEAR(glider.vario_value(), 60 * 256.0 / 95, 1e-9);
}

}  // namespace
