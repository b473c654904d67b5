// A panel flown live for the browser view: the simulation runs on one thread of its own,
// requests from the page queue mouse actions and controls that it applies between
// frames, and frames and state are read under the same lock.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/core/panel.h"
#include "host/core/panel_layout.h"
#include "host/render/gauge_renderer.h"
#include "host/sim/aircraft.h"
#include "host/sim/glider_flight.h"

struct MouseAction {
    enum Kind { DOWN, DRAG, UP } kind;
    PIXPOINT panel_point;
};

// What the page's controls ask for; a field left empty keeps its value.
struct LiveControls {
    std::optional<bool> paused;
    std::optional<double> speed;                        // simulated seconds per real second
    std::optional<std::optional<double>> airspeed_kt;   // an empty inner value ends the override
    std::optional<std::optional<double>> vertical_speed_ms;
    std::optional<double> wind_kmh;
    std::optional<double> wind_from_deg;
    std::optional<double> thermal_strength;
    std::optional<int> units;
    std::optional<std::set<uint32_t>> failures;
};

class LiveSession {
public:
    // Loads the panel configuration's first window with modules from modules_dir; the
    // gauges run in the process's current folder. With a scenario, the glider flies the
    // flight its commands set up before their first run (air, thermals, goal, glider,
    // pilot, tokens); without one, the panel is held still and only the controls move it.
    LiveSession(const std::filesystem::path& panel_config, const std::filesystem::path& modules_dir,
                const std::filesystem::path& snapshot_dir, const std::filesystem::path& scenario = {});

    // Runs the frames due since the last call, at the current speed, then the queued
    // mouse actions and controls. Called again and again by the simulation thread.
    void advance();

    void queue_mouse(const MouseAction& action);
    void apply_controls(const LiveControls& controls);

    PIXPOINT panel_size() const { return {layout_.width, layout_.height}; }
    std::vector<uint8_t> frame_png();
    nlohmann::json state();
    nlohmann::json areas();
    // Saves the current frame as PNG in the snapshot folder; returns its path.
    std::filesystem::path snapshot();

private:
    void deliver(const MouseAction& action);
    void apply_overrides();
    void set_up_flight(const std::filesystem::path& scenario);
    void apply_air_controls();

    std::mutex mutex_;
    SimClock clock_;
    Aircraft aircraft_{clock_};
    Panel panel_{aircraft_, clock_};
    PanelLayout layout_;
    GaugeRenderer renderer_;
    std::filesystem::path snapshot_dir_;
    int snapshots_ = 0;

    std::optional<GliderFlight> flight_;
    std::vector<Thermal> scenario_thermals_;  // at full strength; the control scales them
    int64_t frames_ = 0;

    std::deque<MouseAction> mouse_queue_;
    const PlacedGauge* pressed_ = nullptr;

    bool paused_ = false;
    double speed_ = 1.0;
    std::optional<double> airspeed_kt_;
    std::optional<double> vertical_speed_ms_;
    double wind_kmh_ = 0.0, wind_from_deg_ = 0.0, thermal_strength_ = 1.0;
    std::set<uint32_t> failures_;
    std::chrono::steady_clock::time_point last_advance_ = std::chrono::steady_clock::now();
    double due_ms_ = 0.0;
};
