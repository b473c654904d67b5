// The host's panel: the gauges it runs, the simulated clock and simulator they share,
// the frame loop, mouse delivery and the events the gauges send. Everything happens on
// the caller's thread, one call into a module at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gauge_instance.h"
#include "sim_clock.h"
#include "simulator_variables.h"

struct SentEvent {
    uint32_t event_id;
    uint32_t value;
    int64_t time_ms;
    std::string gauge_name;
};

// A panel operation a module called, kept while call recording is on.
struct PanelCall {
    std::string operation;
    std::string gauge_name;
    uintptr_t args[3];
};

class Panel {
public:
    static constexpr int FRAMES_PER_SECOND = 18;
    // Holding the button: the first repeat after this long, then one per repeat interval.
    static constexpr int64_t REPEAT_DELAY_MS = 300;
    static constexpr int64_t REPEAT_INTERVAL_MS = 100;

    Panel(SimulatorVariables& sim, SimClock& clock);
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // Loads a module, hands it the panel operations and runs query, install and
    // initialize. Throws HostError naming the module when it can't.
    GaugeInstance& load_gauge(const std::string& module_path);
    // Kills the gauge and unloads its module.
    void unload_gauge(GaugeInstance& gauge);
    std::vector<std::unique_ptr<GaugeInstance>>& gauges() { return gauges_; }

    // One frame: time moves on one frame, held buttons repeat, every gauge updates,
    // generates and draws.
    void run_frame();
    void run_frames(int count);
    void update(GaugeInstance& gauge);
    void generate(GaugeInstance& gauge, uint32_t phase);
    void draw(GaugeInstance& gauge);
    // Kill and install again, as the simulator does when a panel is closed and opened.
    void reinstall(GaugeInstance& gauge);

    // Mouse, in face pixels of the gauge. A press clicks the child under the point;
    // while held, repeating children are called again at the host's repeat rate and
    // dragging children follow the pointer (also outside their box).
    bool press(GaugeInstance& gauge, PIXPOINT face_point);
    void drag_to(PIXPOINT face_point);
    void release();
    bool button_held() const { return held_.gauge != nullptr; }

    void set_failure(uint32_t key, bool active);
    uint32_t failure_action(const FAILURE_RECORD* list) const;

    SimulatorVariables& sim() { return sim_; }
    SimClock& clock() { return clock_; }
    const std::vector<SentEvent>& sent_events() const { return sent_events_; }
    void clear_sent_events() { sent_events_.clear(); }
    void record_calls(bool on) { recording_ = on; }
    const std::vector<PanelCall>& calls() const { return calls_; }
    void clear_calls() { calls_.clear(); }

    // Called by the panel operations while this panel is calling into a module.
    static Panel* active();
    GaugeInstance* gauge_by_root(const ELEMENT_HEADER* root);
    GaugeInstance* gauge_by_header(const GAUGEHDR* header);
    void record(const char* operation, GaugeInstance* gauge, uintptr_t a = 0, uintptr_t b = 0, uintptr_t c = 0);
    void queue_event(uint32_t event_id, uint32_t value);
    // The element and mouse-list work the host does for a gauge, whether a version-610
    // routine asks for it or the host does it for a version-800 gauge.
    void install_elements(GaugeInstance& gauge, ELEMENT_HEADER* root);
    void update_elements(GaugeInstance& gauge);
    void kill_elements(GaugeInstance& gauge);

private:
    template <typename Call>
    void call_module(GaugeInstance* gauge, Call&& call);
    void deliver_events();
    void install(GaugeInstance& gauge);
    void kill(GaugeInstance& gauge);
    void call_service(GaugeInstance& gauge, GaugeService service);
    void deliver_repeats();
    void call_mouse(uint32_t flags, PIXPOINT face_point);

    SimulatorVariables& sim_;
    SimClock& clock_;
    std::vector<std::unique_ptr<GaugeInstance>> gauges_;
    std::set<uint32_t> active_failures_;
    std::vector<SentEvent> pending_events_;
    std::vector<SentEvent> sent_events_;
    std::vector<PanelCall> calls_;
    bool recording_ = false;
    GaugeInstance* calling_ = nullptr;
    int64_t frames_run_ = 0;
    int64_t first_frame_ms_ = 0;

    struct HeldButton {
        GaugeInstance* gauge = nullptr;
        const MouseArea* area = nullptr;
        int64_t pressed_at_ms = 0;
        int64_t repeats = 0;
    } held_;
    PIXPOINT held_point_{};
};
