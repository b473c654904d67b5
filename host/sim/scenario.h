// A scenario: a scripted flight of the panel, one command a line, run in order at the
// current simulated time; "run" and "at" move the time on. scenarios/README.md gives
// the whole language; in short:
//
//   # a comment                        (also after a command)
//   panel ../panels/glider.cfg         the panel to fly, relative to the scenario file
//   pressure 1013.25                   sea-level pressure [hPa]
//   ground 150                         elevation of the flat ground [m]
//   wind 0 15                          from 0 degrees, 15 km/h
//   sink 0.2 | sink balanced 400       environmental sink [m/s], or what balances the
//                                      thermals over an area [km^2]
//   thermal 0.05 3.5 4.5 2200          east, north [km], w* [m/s], mixing height [m]
//   goal 0 30 150                      east, north [km], elevation [m]
//   safety 200                         the pilot's height over the goal on arrival [m]
//   glider 0 0 1000 0 100              east, north [km], altitude [m], heading, IAS [km/h]
//   maccready 1.5                      the pilot's setting [m/s]
//   flight on | off                    off: the glider stops and no longer writes the
//                                      tokens it drives (airspeed, vertical speed,
//                                      altitude, pitch, bank), so "set" holds for them
//   pilot on | off                     with the pilot off the glider flies:
//   controls 100 0                     IAS [km/h], bank [degrees, right positive]
//   nav on | off | invalid             the navigation program
//   set 0x14F 2                        a simulator token
//   failure 12 on | off                a simulator failure key
//   click QT.T-KOR 105 40 [3]          click at a face point of a gauge (3 times)
//   press QT.T-KOR 103 277             press and hold; drag 110 280; release
//   snapshot NAME [on climb|final-glide|arrived]
//   run 5:00 [until arrived]           run for a time: seconds, m:ss or h:mm:ss
//   at 1:30:00                         run until a simulated time
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ground_vector.h"
#include "navigation_program.h"
#include "pilot.h"
#include "thermal.h"
#include "wind.h"

namespace scenario {

struct PanelFile { std::filesystem::path path; };  // as written, relative to the scenario
struct SeaLevelPressure { double hpa; };
struct GroundElevation { double metres; };
struct SetWind { Wind wind; };
struct EnvironmentSink { double ms; };
struct BalancedSink { double area_km2; };
struct AddThermal { Thermal thermal; };
struct SetGoal { GroundVector position_m; double elevation_m; };
struct SafetyHeight { double metres; };
struct PlaceGlider { GroundVector position_m; double altitude_m, heading_deg, airspeed_kmh; };
struct MacCready { double ms; };
struct FlightSwitch { bool on; };
struct PilotSwitch { bool on; };
struct Controls { double airspeed_kmh, bank_deg; };
struct Navigation { NavigationMode mode; };
struct SetToken { uint32_t token; double value; };
struct Failure { uint32_t key; bool active; };
struct Click { std::string gauge; int x, y, times; };
struct Press { std::string gauge; int x, y; };
struct Drag { int x, y; };
struct Release {};
struct Snapshot { std::string name; std::optional<PilotPhase> on; };
struct RunFor { int64_t duration_ms; std::optional<PilotPhase> until; };
struct RunTo { int64_t time_ms; };

using Command = std::variant<PanelFile, SeaLevelPressure, GroundElevation, SetWind, EnvironmentSink, BalancedSink,
                             AddThermal, SetGoal, SafetyHeight, PlaceGlider, MacCready, FlightSwitch, PilotSwitch, Controls,
                             Navigation, SetToken, Failure, Click, Press, Drag, Release, Snapshot, RunFor, RunTo>;

struct Step {
    int line;
    Command command;
};

struct Scenario {
    std::filesystem::path file;
    std::vector<Step> steps;
};

// Thrown for a scenario that cannot be used: "FILE:LINE: what is wrong".
struct ScenarioError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

Scenario parse(std::string_view text, const std::filesystem::path& file);
// Reads and parses a file; a file that cannot be read is a ScenarioError naming it.
Scenario read(const std::filesystem::path& file);

// "90", "1:30", "1:00:00", "2.5": a simulated time or duration in milliseconds; nullopt
// for anything else.
std::optional<int64_t> parse_time_ms(std::string_view text);

}  // namespace scenario
