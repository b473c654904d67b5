// Carrying out a scenario's steps: flight commands go to the flight, the rest to the
// panel, the mouse, the snapshots and the clock.
#include "scenario_runner.h"

#include "host/core/host_error.h"
#include "host/core/panel_config.h"
#include "host/sim/scenario_flight.h"

using namespace scenario;

ScenarioRunner::ScenarioRunner(Scenario scenario, std::filesystem::path modules_dir, std::filesystem::path out_dir,
                               ProgressReport progress)
    : scenario_(std::move(scenario)),
      modules_dir_(std::move(modules_dir)),
      out_dir_(std::move(out_dir)),
      progress_(std::move(progress)),
      pictures_(out_dir_),
      trace_(out_dir_ / "trace.csv") {
    // The time the runs add up to, for the progress report (a run may end early).
    int64_t time_ms = 0;
    for (const Step& step : scenario_.steps) {
        if (const auto* run = std::get_if<RunFor>(&step.command)) time_ms += run->duration_ms;
        if (const auto* at = std::get_if<RunTo>(&step.command)) time_ms = std::max(time_ms, at->time_ms);
    }
    planned_ms_ = time_ms;
}

void ScenarioRunner::fail(const Step& step, const std::string& what) const {
    throw ScenarioError(scenario_.file.string() + ":" + std::to_string(step.line) + ": " + what);
}

RunResult ScenarioRunner::run() {
    flight_.step_to(0);
    for (const Step& step : scenario_.steps) execute(step);
    trace_.flush();
    if (const auto chart = pictures_.chart(chart_)) result_.snapshots.push_back(*chart);
    result_.simulated_ms = clock_.now_ms();
    result_.frames = frames_;
    return result_;
}

void ScenarioRunner::load_panel(const Step& step, const std::filesystem::path& file) {
    if (!layouts_.empty()) fail(step, "the panel is loaded already");
    if (frames_ > 0) fail(step, "the panel must be loaded before the first frame runs");
    const std::filesystem::path path = file.is_absolute() ? file : scenario_.file.parent_path() / file;
    PanelConfig config;
    try {
        config = read_panel_config(path);
        layouts_ = load_panel_layout(panel_, config, modules_dir_);
    } catch (const HostError& e) {
        fail(step, e.what());
    }
    // Scenarios name a gauge by its module; the configuration's entries say which is which.
    for (size_t w = 0; w < layouts_.size(); ++w)
        for (size_t g = 0; g < layouts_[w].gauges.size(); ++g)
            gauges_.push_back({config.windows[w].gauges[g].module, layouts_[w].gauges[g].gauge});
}

GaugeInstance& ScenarioRunner::gauge_named(const Step& step, const std::string& name) {
    for (const TracedGauge& traced : gauges_)
        if (traced.module == name || traced.gauge->gauge_name() == name) return const_cast<GaugeInstance&>(*traced.gauge);
    std::string known;
    for (const TracedGauge& traced : gauges_) known += (known.empty() ? "" : ", ") + traced.module;
    fail(step, "no gauge \"" + name + "\" on the panel" + (known.empty() ? " (no panel loaded)" : " (it has " + known + ")"));
}

void ScenarioRunner::execute(const Step& step) {
    if (apply_to_flight(step.command, flight_)) return;
    std::visit(
        [&](const auto& c) {
            using C = std::decay_t<decltype(c)>;
            if constexpr (std::is_same_v<C, PanelFile>) load_panel(step, c.path);
            else if constexpr (std::is_same_v<C, SetToken>) aircraft_.set(c.token, c.value);
            else if constexpr (std::is_same_v<C, Failure>) panel_.set_failure(c.key, c.active);
            else if constexpr (std::is_same_v<C, Click>) {
                GaugeInstance& gauge = gauge_named(step, c.gauge);
                for (int i = 0; i < c.times; ++i) {
                    if (!panel_.press(gauge, PIXPOINT{c.x, c.y}))
                        fail(step, c.gauge + " has no mouse area at " + std::to_string(c.x) + "," + std::to_string(c.y));
                    panel_.release();
                    run_frame();
                }
            } else if constexpr (std::is_same_v<C, Press>) {
                if (panel_.button_held()) fail(step, "a button is held already: release it first");
                if (!panel_.press(gauge_named(step, c.gauge), PIXPOINT{c.x, c.y}))
                    fail(step, c.gauge + " has no mouse area at " + std::to_string(c.x) + "," + std::to_string(c.y));
            } else if constexpr (std::is_same_v<C, Drag>) {
                if (!panel_.button_held()) fail(step, "drag needs a button held: press first");
                panel_.drag_to(PIXPOINT{c.x, c.y});
            } else if constexpr (std::is_same_v<C, Release>) panel_.release();
            else if constexpr (std::is_same_v<C, Snapshot>) {
                if (layouts_.empty()) fail(step, "a snapshot needs a panel: load one with \"panel FILE\" first");
                if (c.on) pending_.push_back({c.name, *c.on});
                else take_snapshot(c.name);
            } else if constexpr (std::is_same_v<C, RunFor>) run_to(clock_.now_ms() + c.duration_ms, c.until);
            else if constexpr (std::is_same_v<C, RunTo>) {
                if (c.time_ms < clock_.now_ms()) fail(step, "that time has passed");
                run_to(c.time_ms, std::nullopt);
            }
        },
        step.command);
}

void ScenarioRunner::run_to(int64_t end_ms, std::optional<PilotPhase> until) {
    while (next_frame_ms() <= end_ms) {
        run_frame();
        if (until && (entered_this_frame_ == until || flight_.glider.on_ground)) break;  // landed: nothing more comes
    }
}

void ScenarioRunner::run_frame() {
    const int64_t now_ms = next_frame_ms();
    entered_this_frame_ = flight_.step_to(now_ms);
    flight_.write_tokens(aircraft_);
    panel_.run_frame();
    ++frames_;
    trace_.write_row(now_ms, flight_, gauges_, panel_.sent_events());
    panel_.clear_sent_events();

    if (entered_this_frame_) {
        const PilotPhase phase = *entered_this_frame_;
        result_.first_entered_ms.emplace(phase, now_ms);
        if (phase == PilotPhase::Arrived)
            result_.arrival_height_m = flight_.glider.altitude_m - flight_.pilot.task.goal_elevation_m;
        for (auto pending = pending_.begin(); pending != pending_.end();) {
            if (pending->phase == phase) {
                take_snapshot(pending->name);
                pending = pending_.erase(pending);
            } else {
                ++pending;
            }
        }
    }
    if (chart_.empty() || now_ms / 1000 != int64_t(chart_.back().time_s)) sample_chart(now_ms);
    if (progress_) progress_(now_ms, planned_ms_);
}

void ScenarioRunner::take_snapshot(const std::string& name) {
    for (std::filesystem::path& file : pictures_.snapshot(layouts_, name)) result_.snapshots.push_back(std::move(file));
}

const ElementState* ScenarioRunner::element_of(const std::string& module, size_t index) const {
    for (const TracedGauge& traced : gauges_) {
        const auto& elements = traced.gauge->chain().elements();
        if (traced.module == module && index < elements.size()) return &elements[index];
    }
    return nullptr;
}

void ScenarioRunner::sample_chart(int64_t now_ms) {
    // The variometer's needle and the flight computer's PULL/PUSH column, when on the panel.
    constexpr size_t VARIO_NEEDLE = 1, SPEED_COMMAND = 19;
    const ElementState* needle = element_of("QT.VRX-80", VARIO_NEEDLE);
    const ElementState* command = element_of("QT.T-KOR", SPEED_COMMAND);
    // The variometer's needle value counts 1/256 m/s, as the vertical speed token does.
    chart_.push_back({double(now_ms / 1000), flight_.glider.altitude_m, needle ? needle->value / 256.0 : 0.0,
                      flight_.glider.air_rising_ms, command ? double(std::max(0, command->picture)) : 0.0});
}
