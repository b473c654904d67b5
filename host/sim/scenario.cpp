// Parsing scenarios: words of a line, numbers and names checked, each error naming the
// file, the line and what is wrong.
#include "scenario.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace scenario {

namespace {

using Words = std::vector<std::string>;

Words split_words(std::string_view line) {
    if (auto hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    Words words;
    std::istringstream in{std::string(line)};
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// Reads the words of one command, throwing ScenarioError with the place of the line.
class Line {
public:
    Line(const std::filesystem::path& file, int number, Words words)
        : file_(file), number_(number), words_(std::move(words)) {}

    [[noreturn]] void fail(const std::string& what) const {
        throw ScenarioError(file_.string() + ":" + std::to_string(number_) + ": " + what);
    }
    const std::string& command() const { return words_[0]; }
    size_t arguments() const { return words_.size() - 1; }
    void expect_arguments(size_t least, size_t most, const char* usage) const {
        if (arguments() < least || arguments() > most) fail(command() + " takes " + usage);
    }
    const std::string& word(size_t i) const { return words_.at(i + 1); }

    double number(size_t i, const char* what) const {
        const std::string& text = word(i);
        double value = 0.0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
            fail(std::string(what) + " must be a number, not \"" + text + "\"");
        return value;
    }
    double number_in(size_t i, const char* what, double least, double most) const {
        const double value = number(i, what);
        if (value < least || value > most) {
            std::ostringstream range;
            range << what << " must lie from " << least << " to " << most << ", not " << word(i);
            fail(range.str());
        }
        return value;
    }
    int integer(size_t i, const char* what, int least, int most) const {
        const double value = number_in(i, what, least, most);
        if (value != std::floor(value)) fail(std::string(what) + " must be a whole number, not \"" + word(i) + "\"");
        return int(value);
    }
    uint32_t unsigned_number(size_t i, const char* what) const {
        std::string text = word(i);
        int base = 10;
        if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) text = text.substr(2), base = 16;
        uint32_t value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
        if (text.empty() || error != std::errc() || end != text.data() + text.size())
            fail(std::string(what) + " must be a number, decimal or 0x hexadecimal, not \"" + word(i) + "\"");
        return value;
    }
    bool on_off(size_t i) const {
        if (word(i) == "on") return true;
        if (word(i) == "off") return false;
        fail(command() + " is on or off, not \"" + word(i) + "\"");
    }
    int64_t time(size_t i) const {
        auto ms = parse_time_ms(word(i));
        if (!ms) fail("\"" + word(i) + "\" is no time: seconds, m:ss or h:mm:ss");
        return *ms;
    }
    PilotPhase phase(size_t i) const {
        for (PilotPhase phase : {PilotPhase::Climb, PilotPhase::FinalGlide, PilotPhase::Arrived, PilotPhase::Cruise})
            if (word(i) == pilot_phase_name(phase)) return phase;
        fail("\"" + word(i) + "\" is no moment of the flight: cruise, climb, final-glide or arrived");
    }
    // A phase after a keyword ("on climb", "until arrived") at argument i, when present.
    std::optional<PilotPhase> phase_after(size_t i, const char* keyword) const {
        if (arguments() <= i) return std::nullopt;
        if (word(i) != keyword || arguments() != i + 2) fail(command() + ": expected \"" + keyword + " MOMENT\" after its arguments");
        return phase(i + 1);
    }

private:
    const std::filesystem::path& file_;
    int number_;
    Words words_;
};

GroundVector km_position(const Line& line, size_t i) {
    return {line.number(i, "east [km]") * 1000.0, line.number(i + 1, "north [km]") * 1000.0};
}

using Reader = std::function<Command(const Line&)>;

const std::map<std::string, Reader>& readers() {
    static const std::map<std::string, Reader> table = {
        {"panel", [](const Line& l) -> Command { l.expect_arguments(1, 1, "a panel file"); return PanelFile{l.word(0)}; }},
        {"pressure", [](const Line& l) -> Command {
             l.expect_arguments(1, 1, "a sea-level pressure [hPa]");
             return SeaLevelPressure{l.number_in(0, "the pressure [hPa]", 800, 1100)};
         }},
        {"ground", [](const Line& l) -> Command {
             l.expect_arguments(1, 1, "an elevation [m]");
             return GroundElevation{l.number_in(0, "the ground's elevation [m]", -500, 5000)};
         }},
        {"wind", [](const Line& l) -> Command {
             l.expect_arguments(2, 2, "the direction it blows from [degrees] and its speed [km/h]");
             return SetWind{{l.number_in(0, "the wind's direction", 0, 360), l.number_in(1, "the wind's speed", 0, 200)}};
         }},
        {"sink", [](const Line& l) -> Command {
             l.expect_arguments(1, 2, "a sink [m/s], or \"balanced\" and an area [km^2]");
             if (l.word(0) == "balanced") {
                 l.expect_arguments(2, 2, "\"balanced\" and an area [km^2]");
                 return BalancedSink{l.number_in(1, "the area [km^2]", 0.01, 1e6)};
             }
             l.expect_arguments(1, 1, "a sink [m/s]");
             return EnvironmentSink{l.number_in(0, "the sink [m/s]", 0, 10)};
         }},
        {"thermal", [](const Line& l) -> Command {
             l.expect_arguments(4, 4, "east and north [km], convective velocity [m/s] and mixing height [m]");
             return AddThermal{{km_position(l, 0), l.number_in(2, "the convective velocity [m/s]", 0, 15),
                                l.number_in(3, "the mixing height [m]", 100, 6000)}};
         }},
        {"goal", [](const Line& l) -> Command {
             l.expect_arguments(3, 3, "east and north [km] and an elevation [m]");
             return SetGoal{km_position(l, 0), l.number_in(2, "the goal's elevation [m]", -500, 5000)};
         }},
        {"safety", [](const Line& l) -> Command {
             l.expect_arguments(1, 1, "a height over the goal [m]");
             return SafetyHeight{l.number_in(0, "the safety height [m]", 0, 2000)};
         }},
        {"glider", [](const Line& l) -> Command {
             l.expect_arguments(5, 5, "east and north [km], altitude [m], heading [degrees] and airspeed [km/h]");
             return PlaceGlider{km_position(l, 0), l.number_in(2, "the altitude [m]", -500, 12000),
                                l.number_in(3, "the heading", 0, 360), l.number_in(4, "the airspeed [km/h]", 50, 280)};
         }},
        {"maccready", [](const Line& l) -> Command {
             l.expect_arguments(1, 1, "a setting [m/s]");
             return MacCready{l.number_in(0, "the MacCready setting [m/s]", 0, 10)};
         }},
        {"flight", [](const Line& l) -> Command { l.expect_arguments(1, 1, "on or off"); return FlightSwitch{l.on_off(0)}; }},
        {"pilot", [](const Line& l) -> Command { l.expect_arguments(1, 1, "on or off"); return PilotSwitch{l.on_off(0)}; }},
        {"controls", [](const Line& l) -> Command {
             l.expect_arguments(2, 2, "an airspeed [km/h] and a bank [degrees]");
             return Controls{l.number_in(0, "the airspeed [km/h]", 50, 280), l.number_in(1, "the bank", -60, 60)};
         }},
        {"nav", [](const Line& l) -> Command {
             l.expect_arguments(1, 1, "on, off or invalid");
             if (l.word(0) == "invalid") return Navigation{NavigationMode::Invalid};
             return Navigation{l.on_off(0) ? NavigationMode::Valid : NavigationMode::Off};
         }},
        {"set", [](const Line& l) -> Command {
             l.expect_arguments(2, 2, "a token and a value");
             return SetToken{l.unsigned_number(0, "the token"), l.number(1, "the value")};
         }},
        {"failure", [](const Line& l) -> Command {
             l.expect_arguments(2, 2, "a failure key and on or off");
             return Failure{l.unsigned_number(0, "the failure key"), l.on_off(1)};
         }},
        {"click", [](const Line& l) -> Command {
             l.expect_arguments(3, 4, "a gauge, x and y [face pixels] and how many times");
             return Click{l.word(0), l.integer(1, "x", -10000, 10000), l.integer(2, "y", -10000, 10000),
                          l.arguments() == 4 ? l.integer(3, "the number of clicks", 1, 100000) : 1};
         }},
        {"press", [](const Line& l) -> Command {
             l.expect_arguments(3, 3, "a gauge and x and y [face pixels]");
             return Press{l.word(0), l.integer(1, "x", -10000, 10000), l.integer(2, "y", -10000, 10000)};
         }},
        {"drag", [](const Line& l) -> Command {
             l.expect_arguments(2, 2, "x and y [face pixels]");
             return Drag{l.integer(0, "x", -10000, 10000), l.integer(1, "y", -10000, 10000)};
         }},
        {"release", [](const Line& l) -> Command { l.expect_arguments(0, 0, "nothing"); return Release{}; }},
        {"snapshot", [](const Line& l) -> Command {
             l.expect_arguments(1, 3, "a name, and \"on MOMENT\" to wait for it");
             const std::string& name = l.word(0);
             if (name.find_first_of("/\\") != std::string::npos || name == "." || name == "..")
                 l.fail("a snapshot's name becomes a file name: \"" + name + "\" won't do");
             return Snapshot{name, l.phase_after(1, "on")};
         }},
        {"run", [](const Line& l) -> Command {
             l.expect_arguments(1, 3, "a duration, and \"until MOMENT\" to stop early");
             return RunFor{l.time(0), l.phase_after(1, "until")};
         }},
        {"at", [](const Line& l) -> Command { l.expect_arguments(1, 1, "a simulated time"); return RunTo{l.time(0)}; }},
    };
    return table;
}

}  // namespace

std::optional<int64_t> parse_time_ms(std::string_view text) {
    double total_s = 0.0;
    int parts = 0;
    while (true) {
        const auto colon = text.find(':');
        const std::string_view part = text.substr(0, colon);
        double value = 0.0;
        auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || error != std::errc() || end != part.data() + part.size() || value < 0 || !std::isfinite(value))
            return std::nullopt;
        if (parts > 0 && value >= 60.0) return std::nullopt;  // minutes and seconds after a colon stay below 60
        total_s = total_s * 60.0 + value;
        if (++parts > 3) return std::nullopt;
        if (colon == std::string_view::npos) break;
        if (value != std::floor(value)) return std::nullopt;  // only the last part has decimals
        text = text.substr(colon + 1);
    }
    return int64_t(std::llround(total_s * 1000.0));
}

Scenario parse(std::string_view text, const std::filesystem::path& file) {
    Scenario scenario{file, {}};
    std::istringstream in{std::string(text)};
    int number = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++number;
        Words words = split_words(raw);
        if (words.empty()) continue;
        const Line line(file, number, std::move(words));
        const auto reader = readers().find(line.command());
        if (reader == readers().end()) line.fail("unknown command \"" + line.command() + "\"");
        scenario.steps.push_back({number, reader->second(line)});
    }
    return scenario;
}

Scenario read(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw ScenarioError(file.string() + ": cannot be read");
    std::stringstream text;
    text << in.rdbuf();
    return parse(text.str(), file);
}

}  // namespace scenario
