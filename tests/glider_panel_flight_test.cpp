// The simulated flight through the whole glider panel: what the flight computer shows
// of still air, of a head wind and of a final glide, the altimeter's knob seen on both
// instruments, the trace of a run, and scenario steps the panel cannot carry out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "host/cli/scenario_runner.h"
#include "host/sim/standard_atmosphere.h"
#include "test_support.h"

namespace {

// A CSV row's fields, quotes removed.
std::vector<std::string> csv_fields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') fields.back() += '"', ++i;
        else if (c == '"') quoted = !quoted;
        else if (c == ',' && !quoted) fields.emplace_back();
        else fields.back() += c;
    }
    return fields;
}

struct Trace {
    std::map<std::string, size_t> column;
    std::vector<std::vector<std::string>> rows;

    const std::string& at(size_t row, const std::string& name) const { return rows.at(row).at(column.at(name)); }
    double number(size_t row, const std::string& name) const { return std::stod(at(row, name)); }
    // The flight computer's three-place readouts, e.g. "-0" "." "7".
    std::string fc_text(size_t row, int whole, int point, int tenths) const {
        auto text = [&](int element) { return at(row, "QT.T-KOR." + std::to_string(element) + ".text"); };
        return text(whole) + text(point) + text(tenths);
    }
    // The first row in a phase.
    size_t first_in(const std::string& phase) const {
        for (size_t i = 0; i < rows.size(); ++i)
            if (at(i, "phase") == phase) return i;
        throw std::runtime_error("never " + phase);
    }
};

constexpr int NET[] = {2, 1, 3}, AVG[] = {5, 4, 6};
constexpr int ALT_READOUT = 10, TITLE = 11;

// Flies a scenario after the panel line and returns its trace.
Trace fly(const std::string& steps, std::vector<std::filesystem::path>* snapshots = nullptr) {
    TemporaryWorkdir work;
    const auto file = work.path / "scenario.txt";
    std::ofstream(file) << "panel " << GLIDER_PANEL << "\n" << steps;
    ScenarioRunner runner(scenario::read(file), GAUGE_MODULE_DIR, work.path);
    const RunResult result = runner.run();
    if (snapshots) *snapshots = result.snapshots;
    std::ifstream in(work.path / "trace.csv");
    Trace trace;
    std::string line;
    std::getline(in, line);
    const auto names = csv_fields(line);
    for (size_t i = 0; i < names.size(); ++i) trace.column[names[i]] = i;
    while (std::getline(in, line)) trace.rows.push_back(csv_fields(line));
    return trace;
}

// The computer on, GO to the wind page (Net, Avg, distance, wind), metric in metres.
const std::string COMPUTER_ON =
    "set 0x14F 2\n"
    "click QT.T-KOR 105 40\n"
    "run 4\n"
    "click QT.T-KOR 211 39\n";

TEST(GliderPanelFlight, StillAirShowsNoNettoAndThePolarsSink) {
    const Trace t = fly("ground -500\nglider 0 0 30 0 100\npilot off\ncontrols 100 0\nnav off\n" + COMPUTER_ON +
                        "run 90\n");
    const size_t last = t.rows.size() - 1;
    EXPECT_NEAR(t.number(last, "ias_kmh"), 100, 0.05);
    EXPECT_NEAR(t.number(last, "vertical_speed_ms"), -0.6884, 0.005);  // the polar at 100 km/h, near sea level
    const std::string net = t.fc_text(last, NET[0], NET[1], NET[2]);
    EXPECT_TRUE(net == " 0.0" || net == "-0.0") << net;
    EXPECT_EQ(t.fc_text(last, AVG[0], AVG[1], AVG[2]), "-0.7");
}

TEST(GliderPanelFlight, TheWindPageShowsTheHeadWind) {
    // Near sea level indicated and true airspeed agree, so airspeed less ground speed is the head wind.
    const Trace t = fly("ground -500\nwind 0 20\nglider 0 0 20 0 100\ngoal 0 40 0\npilot off\ncontrols 100 0\n" +
                        COMPUTER_ON + "run 60\n");
    const std::string title = t.at(t.rows.size() - 1, "QT.T-KOR." + std::to_string(TITLE) + ".text");
    ASSERT_EQ(title.substr(0, 2), "HW") << title;
    EXPECT_NEAR(std::stod(title.substr(2, 4)), 20.0, 1.0) << title;
    EXPECT_EQ(title.substr(6), " A");
}

TEST(GliderPanelFlight, FinalGlideArrivesWithTheDifferenceTheComputerShowed) {
    // MacCready 0 on both, the computer's safety height of 100 m for the pilot too; the
    // computer settles on the MacCready page before the pilot starts its glide.
    const Trace t = fly(
        "ground -500\nglider 0 0 700 0 107\ngoal 0 20 0\nsafety 100\nmaccready 0\npilot off\ncontrols 107 0\n" +
        COMPUTER_ON + "click QT.T-KOR 282 197\nrun 90\npilot on\nrun 1:00:00 until arrived\n");
    const size_t start = t.first_in("final-glide"), arrival = t.first_in("arrived");
    const double shown_diff_m = std::stod(t.at(start, "QT.T-KOR." + std::to_string(ALT_READOUT) + ".text"));
    const double loss_m = t.number(start, "altitude_m") - t.number(arrival, "altitude_m");
    const double left_m = t.number(arrival, "altitude_m") - (0 + 100);
    EXPECT_GT(loss_m, 300);
    EXPECT_NEAR(shown_diff_m, left_m, 0.1 * loss_m) << "loss " << loss_m;
}

TEST(GliderPanelFlight, TheSameScenarioGivesTheSameTraceAndItsSnapshots) {
    const std::string steps =
        "wind 0 15\nthermal 0 2 5 2400\nglider 0 0 900 0 100\ngoal 0 30 0\nmaccready 1\n" + COMPUTER_ON +
        "snapshot climbing on climb\nrun 3:00\nsnapshot end\n";
    std::vector<std::filesystem::path> snapshots;
    const Trace first = fly(steps, &snapshots);
    const Trace second = fly(steps);
    EXPECT_EQ(first.rows, second.rows);
    // A row a frame, from the first frame to the end of the last run (the clicks take a frame each).
    EXPECT_EQ(first.at(0, "time_s"), "0.055");
    EXPECT_NEAR(first.number(first.rows.size() - 1, "time_s"), 0.055 + 4 + 0.055 + 180, 1.0 / 18);
    EXPECT_NEAR(double(first.rows.size()), 184.11 * 18, 1.0);
    EXPECT_NE(first.first_in("climb"), 0u);
    ASSERT_EQ(snapshots.size(), 3u);
    EXPECT_EQ(snapshots[0].filename(), "climbing.png");
    EXPECT_EQ(snapshots[1].filename(), "end.png");
    EXPECT_EQ(snapshots[2].filename(), "flight-chart.png");
    // Every gauge of the panel has its columns; the radio sent its frequency at the start.
    for (const char* column : {"QT.SM-008.1.angle", "QT.VRX-80.1.angle", "ostrand_adi.1.sprite_rotation", "QT.T-KOR.17.slider_y"})
        EXPECT_TRUE(first.column.count(column)) << column;
    EXPECT_NE(first.at(0, "events").find("0x100AB="), std::string::npos);
}

TEST(GliderPanelFlight, StepsThePanelCannotCarryOutNameTheirLine) {
    struct Case {
        const char* steps;
        const char* message;
    } cases[] = {
        {"click QT.XX 1 1\n", ":2: no gauge \"QT.XX\" on the panel (it has QT.TR-010, "},
        {"click QT.T-KOR 1 1\n", ":2: QT.T-KOR has no mouse area at 1,1"},
        {"drag 3 4\n", ":2: drag needs a button held"},
        {"run 2\nat 1\n", ":3: that time has passed"},
        {"run 1\npanel x.cfg\n", ":3: the panel is loaded already"},
    };
    for (const auto& c : cases) {
        try {
            fly(c.steps);
            ADD_FAILURE() << "no error for " << c.steps;
        } catch (const scenario::ScenarioError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(GliderPanelFlight, TheAltimeterKnobMovesItsHandsAndTheComputersAltitude) {
    // Twenty clicks on the knob's right half: the pressure setting up 20 hPa, so both
    // instruments read about 166 m more while the glider itself only sinks a little.
    const std::string before_knob = "ground 0\nglider 0 0 1000 0 100\npilot off\ncontrols 100 0\nnav off\n" +
                                    COMPUTER_ON + "set 0x4B 1013.25\nrun 2\n";
    const size_t before = fly(before_knob).rows.size() - 1;
    const Trace t = fly(before_knob + "click QT.HM-007 60 282 20\nrun 2\n");
    const size_t after = t.rows.size() - 1;
    const double sunk_m = t.number(before, "altitude_m") - t.number(after, "altitude_m");
    const double turned_m = standard_altitude_m(1013.25) - standard_altitude_m(1033.25);
    ASSERT_GT(turned_m, 150);
    ASSERT_LT(sunk_m, 5);

    const auto readout = [&](size_t row) {
        return std::stod(t.at(row, "QT.T-KOR." + std::to_string(ALT_READOUT) + ".text"));
    };
    EXPECT_NEAR(readout(after) - readout(before), turned_m - sunk_m, 2.0);
    // The knob's 166 m turn the short hand about 6 degrees and the long one about 60;
    // the glider's 2 m of sinking alone turn either by less than one.
    int hands = 0;
    for (const auto& [name, column] : t.column) {
        if (name.rfind("QT.HM-007.", 0) != 0 || name.find(".angle") == std::string::npos) continue;
        ++hands;
        const double turned_deg = std::abs(t.number(after, name) - t.number(before, name));
        EXPECT_GT(std::min(turned_deg, 360 - turned_deg), 3.0) << name;
    }
    EXPECT_EQ(hands, 2);
}

}  // namespace
