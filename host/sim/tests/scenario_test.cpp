// Scenario files: times, every command read into its values, errors that name file and
// line, and the flight commands applied to the flight.
#include <gtest/gtest.h>

#include <string>

#include "host/sim/scenario.h"
#include "host/sim/scenario_flight.h"

namespace {

using namespace scenario;

TEST(ScenarioTime, Forms) {
    struct Case {
        const char* text;
        std::optional<int64_t> ms;
    } cases[] = {
        {"90", 90000}, {"2.5", 2500}, {"1:30", 90000}, {"1:00:00", 3600000}, {"0:05.5", 5500}, {"25:00", 1500000},
        {"", std::nullopt}, {"1:60", std::nullopt}, {"1::0", std::nullopt}, {"-5", std::nullopt},
        {"1:2:3:4", std::nullopt}, {"5m", std::nullopt}, {"1.5:00", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parse_time_ms(c.text), c.ms) << '"' << c.text << '"';
}

TEST(ScenarioParse, ReadsEveryCommandsValues) {
    const Scenario s = parse(
        "# a flight\n"
        "panel ../panels/glider.cfg\n"
        "\n"
        "wind 270 15   # from the west\n"
        "thermal 0.5 -2 3.5 2200\n"
        "sink balanced 400\n"
        "glider 0 1 950 10 100\n"
        "nav invalid\n"
        "set 0x14F 2\n"
        "click QT.T-KOR 105 40 15\n"
        "snapshot first-climb on climb\n"
        "run 1:00:00 until arrived\n"
        "failure 12 off\n",
        "x.txt");
    ASSERT_EQ(s.steps.size(), 11u);
    EXPECT_EQ(s.steps[0].line, 2);
    EXPECT_EQ(std::get<PanelFile>(s.steps[0].command).path, "../panels/glider.cfg");
    EXPECT_EQ(s.steps[1].line, 4);
    EXPECT_EQ(std::get<SetWind>(s.steps[1].command).wind.from_deg, 270);
    const Thermal& t = std::get<AddThermal>(s.steps[2].command).thermal;
    EXPECT_EQ(t.centre_m.east, 500);
    EXPECT_EQ(t.centre_m.north, -2000);
    EXPECT_EQ(t.convective_velocity_ms, 3.5);
    EXPECT_EQ(t.mixing_height_m, 2200);
    EXPECT_EQ(std::get<BalancedSink>(s.steps[3].command).area_km2, 400);
    EXPECT_EQ(std::get<PlaceGlider>(s.steps[4].command).position_m.north, 1000);
    EXPECT_EQ(std::get<Navigation>(s.steps[5].command).mode, NavigationMode::Invalid);
    EXPECT_EQ(std::get<SetToken>(s.steps[6].command).token, 0x14Fu);
    const Click& click = std::get<Click>(s.steps[7].command);
    EXPECT_EQ(click.gauge, "QT.T-KOR");
    EXPECT_EQ(click.times, 15);
    EXPECT_EQ(std::get<Snapshot>(s.steps[8].command).on, PilotPhase::Climb);
    EXPECT_EQ(std::get<RunFor>(s.steps[9].command).duration_ms, 3600000);
    EXPECT_EQ(std::get<RunFor>(s.steps[9].command).until, PilotPhase::Arrived);
    EXPECT_EQ(std::get<Failure>(s.steps[10].command).key, 12u);
    EXPECT_FALSE(std::get<Failure>(s.steps[10].command).active);
}

TEST(ScenarioParse, ErrorsNameTheLineAndTheFault) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"fly 3", "f.txt:1: unknown command \"fly\""},
        {"\n\nwind 270", "f.txt:3: wind takes the direction"},
        {"wind 270 fast", "f.txt:1: the wind's speed must be a number, not \"fast\""},
        {"wind 400 10", "f.txt:1: the wind's direction must lie from 0 to 360, not 400"},
        {"run five", "f.txt:1: \"five\" is no time"},
        {"run 1:75", "f.txt:1: \"1:75\" is no time"},
        {"run 10 until landing", "f.txt:1: \"landing\" is no moment of the flight"},
        {"run 10 after arrived", "f.txt:1: run: expected \"until MOMENT\""},
        {"pilot maybe", "f.txt:1: pilot is on or off, not \"maybe\""},
        {"set 0xZZ 1", "f.txt:1: the token must be a number"},
        {"click QT.T-KOR 10.5 3", "f.txt:1: x must be a whole number"},
        {"click QT.T-KOR 10 3 0", "f.txt:1: the number of clicks must lie from 1 to 100000"},
        {"snapshot ../escape", "f.txt:1: a snapshot's name becomes a file name"},
        {"release now", "f.txt:1: release takes nothing"},
        {"sink balanced", "f.txt:1: sink takes \"balanced\" and an area"},
        {"thermal 0 0 nan 2000", "f.txt:1: the convective velocity [m/s] must be a number"},
    };
    for (const auto& c : cases) {
        try {
            parse(c.text, "f.txt");
            ADD_FAILURE() << "no error for \"" << c.text << '"';
        } catch (const ScenarioError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what() << "\n  expected: " << c.message;
        }
    }
}

TEST(ScenarioParse, AFileThatCannotBeReadIsNamed) {
    try {
        read("/nonexistent/flight.txt");
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_EQ(std::string(e.what()), "/nonexistent/flight.txt: cannot be read");
    }
}

TEST(ScenarioFlight, CommandsSetTheFlight) {
    GliderFlight flight;
    const Scenario s = parse(
        "pressure 1020\nground 150\nwind 0 15\nthermal 0 3 4 2000\ngoal 0 30 150\nsafety 200\n"
        "glider 0 0 1000 0 100\nmaccready 1.5\npilot off\ncontrols 120 10\nnav off\nsink 0.3\nflight off\n"
        "snapshot start\n",
        "f.txt");
    int applied = 0;
    for (const Step& step : s.steps) applied += apply_to_flight(step.command, flight);
    EXPECT_EQ(applied, int(s.steps.size()) - 1);  // the snapshot is not the flight's
    EXPECT_EQ(flight.air.sea_level_pressure_hpa, 1020);
    EXPECT_EQ(flight.air.ground_elevation_m, 150);
    EXPECT_EQ(flight.air.wind.speed_kmh, 15);
    ASSERT_EQ(flight.air.thermals.size(), 1u);
    EXPECT_EQ(flight.pilot.task.goal_m.north, 30000);
    EXPECT_EQ(flight.pilot.task.goal_elevation_m, 150);
    EXPECT_EQ(flight.pilot.task.safety_height_m, 200);
    EXPECT_EQ(flight.glider.altitude_m, 1000);
    EXPECT_NEAR(flight.indicated_airspeed_kmh(), 100, 1e-9);
    EXPECT_EQ(flight.pilot.maccready_ms, 1.5);
    EXPECT_FALSE(flight.pilot_on);
    EXPECT_EQ(flight.controls.airspeed_kmh, 120);
    EXPECT_EQ(flight.controls.bank_deg, 10);
    EXPECT_EQ(flight.navigation.mode, NavigationMode::Off);
    EXPECT_EQ(flight.air.environment_sink_ms, 0.3);
    EXPECT_FALSE(flight.moving);

    // Balanced sink: what carries the thermal's air down again over the area, at the glider's height.
    apply_to_flight(BalancedSink{100}, flight);
    EXPECT_NEAR(flight.air.environment_sink_ms, balancing_sink_ms(flight.air.thermals, 850, 100e6), 1e-12);
}

}  // namespace
