// Flying a scenario: the simulated glider and its panel stepped together at 18 frames a
// simulated second, as fast as the machine allows, with a trace row every frame and
// the panel drawn only for the snapshots asked for.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "flight_chart.h"
#include "frame_trace.h"
#include "host/core/panel.h"
#include "host/core/panel_layout.h"
#include "host/sim/aircraft.h"
#include "host/sim/glider_flight.h"
#include "host/sim/scenario.h"
#include "run_pictures.h"

struct RunResult {
    int64_t simulated_ms = 0;
    int64_t frames = 0;
    std::vector<std::filesystem::path> snapshots;  // and the flight chart last
    std::map<PilotPhase, int64_t> first_entered_ms;  // when the pilot first entered each phase
    double arrival_height_m = 0.0;                   // over the goal's elevation, on arrival
};

// Called after frames with the simulated time and the time the scenario's runs add up to.
using ProgressReport = std::function<void(int64_t now_ms, int64_t planned_ms)>;

class ScenarioRunner {
public:
    // The panel's modules come from modules_dir; trace.csv and the snapshots go to
    // out_dir. The gauges run in the current directory, where the navigation program
    // writes its file too.
    ScenarioRunner(scenario::Scenario scenario, std::filesystem::path modules_dir, std::filesystem::path out_dir,
                   ProgressReport progress = {});

    // Runs every step. Throws scenario::ScenarioError "FILE:LINE: ..." for a step that
    // cannot be carried out (a gauge that is not on the panel, a panel that won't load).
    RunResult run();

    const GliderFlight& flight() const { return flight_; }
    Panel& panel() { return panel_; }

private:
    struct PendingSnapshot {
        std::string name;
        PilotPhase phase;
    };

    void execute(const scenario::Step& step);
    [[noreturn]] void fail(const scenario::Step& step, const std::string& what) const;
    void load_panel(const scenario::Step& step, const std::filesystem::path& file);
    GaugeInstance& gauge_named(const scenario::Step& step, const std::string& name);
    void run_to(int64_t end_ms, std::optional<PilotPhase> until);
    void run_frame();
    void take_snapshot(const std::string& name);
    void sample_chart(int64_t now_ms);
    const ElementState* element_of(const std::string& module, size_t index) const;
    int64_t next_frame_ms() const { return (frames_ + 1) * 1000 / Panel::FRAMES_PER_SECOND; }

    scenario::Scenario scenario_;
    std::filesystem::path modules_dir_;
    std::filesystem::path out_dir_;
    ProgressReport progress_;
    int64_t planned_ms_ = 0;

    SimClock clock_;
    Aircraft aircraft_{clock_};
    Panel panel_{aircraft_, clock_};
    GliderFlight flight_;
    std::vector<PanelLayout> layouts_;
    std::vector<TracedGauge> gauges_;
    RunPictures pictures_;  // destroyed before the panel unloads the modules it drew
    FrameTrace trace_;
    std::vector<PendingSnapshot> pending_;
    std::optional<PilotPhase> entered_this_frame_;
    std::vector<ChartSample> chart_;  // one sample a simulated second
    int64_t frames_ = 0;
    RunResult result_;
};
