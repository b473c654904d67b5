// The panel's frame loop, gauge life cycle, mouse delivery and event queue.
#include "panel.h"

#include <algorithm>

#include "host_error.h"
#include "module_clocks.h"
#include "panel_operations.h"

namespace {

Panel* active_panel = nullptr;

}  // namespace

Panel* Panel::active() { return active_panel; }

Panel::Panel(SimulatorVariables& sim, SimClock& clock) : sim_(sim), clock_(clock), first_frame_ms_(clock.now_ms()) {}

Panel::~Panel() {
    while (!gauges_.empty()) unload_gauge(*gauges_.back());
}

// Every call into a module goes through here: the operations it calls find this panel,
// and the events it sends take effect once it has returned, in the order sent.
template <typename Call>
void Panel::call_module(GaugeInstance* gauge, Call&& call) {
    Panel* outer = active_panel;
    GaugeInstance* outer_gauge = calling_;
    active_panel = this;
    calling_ = gauge;
    call();
    active_panel = outer;
    calling_ = outer_gauge;
    if (outer == nullptr) deliver_events();
}

void Panel::deliver_events() {
    // An event's effect may not call back into a module, but take the queue first anyway.
    std::vector<SentEvent> events;
    events.swap(pending_events_);
    for (const auto& event : events) {
        sim_.perform(event.event_id, event.value);
        sent_events_.push_back(event);
    }
}

void Panel::queue_event(uint32_t event_id, uint32_t value) {
    pending_events_.push_back({event_id, value, clock_.now_ms(), calling_ ? calling_->gauge_name() : std::string()});
    record("trigger_key_event", calling_, event_id, value);
}

void Panel::record(const char* operation, GaugeInstance* gauge, uintptr_t a, uintptr_t b, uintptr_t c) {
    if (!recording_) return;
    calls_.push_back({operation, gauge ? gauge->gauge_name() : std::string(), {a, b, c}});
}

GaugeInstance* Panel::gauge_by_root(const ELEMENT_HEADER* root) {
    // Nearly always the gauge asks about its own list.
    if (calling_ != nullptr && calling_->root() == root) return calling_;
    for (auto& gauge : gauges_)
        if (gauge->root() == root) return gauge.get();
    return nullptr;
}

GaugeInstance* Panel::gauge_by_header(const GAUGEHDR* header) {
    for (auto& gauge : gauges_)
        if (&gauge->header() == header) return gauge.get();
    return nullptr;
}

GaugeInstance& Panel::load_gauge(const std::string& module_path) {
    auto module = ModuleLibrary::load(module_path);
    IMPORT_TABLE& imports = module->import_table();
    for (const auto& other : gauges_)
        if (&other->module().import_table() == &imports)
            throw HostError(module_path + ": this module is already on the panel");
    imports.panels = host_panel_operations();
    register_module_clock(&imports, &clock_);
    gauges_.push_back(std::make_unique<GaugeInstance>(std::move(module)));
    GaugeInstance& gauge = *gauges_.back();
    try {
        GAUGE_LINKAGE& linkage = gauge.module().linkage();
        call_module(&gauge, [&] { linkage.module_init(); });
        install(gauge);
    } catch (...) {
        unload_gauge(gauge);
        throw;
    }
    return gauge;
}

void Panel::unload_gauge(GaugeInstance& gauge) {
    if (held_.gauge == &gauge) release();
    if (gauge.installed) kill(gauge);
    call_module(&gauge, [&] { gauge.module().linkage().module_deinit(); });
    unregister_module_clock(&gauge.module().import_table());
    auto found = std::find_if(gauges_.begin(), gauges_.end(), [&](const auto& g) { return g.get() == &gauge; });
    if (found != gauges_.end()) gauges_.erase(found);
}

void Panel::call_service(GaugeInstance& gauge, GaugeService service) {
    GAUGEHDR& header = gauge.header();
    call_module(&gauge, [&] { header.gauge_callback(&header, service, 0); });
}

void Panel::install(GaugeInstance& gauge) {
    GAUGEHDR& header = gauge.header();
    gauge.install_errors().clear();
    if (gauge.is_version_800()) {
        // The host does the chain and mouse-list work itself and tells the gauge each stage.
        call_service(gauge, SERVICE_PRE_QUERY);
        call_service(gauge, SERVICE_POST_QUERY);
        call_service(gauge, SERVICE_PRE_INSTALL);
        install_elements(gauge, gauge.root());
        gauge.mouse().install(header.mouse_rect, gauge.face_size());
        gauge.mouse().set_registered(true);
        call_service(gauge, SERVICE_POST_INSTALL);
        // As for a version-610 gauge, a chain that did not install is not initialized.
        if (gauge.install_errors().empty()) {
            call_service(gauge, SERVICE_PRE_INITIALIZE);
            call_service(gauge, SERVICE_POST_INITIALIZE);
        }
    } else {
        call_module(&gauge, [&] { header.query_routine(); });
        call_module(&gauge, [&] { header.install_routine(&gauge); });
        if (gauge.install_errors().empty()) call_module(&gauge, [&] { header.initialize_routine(); });
    }
    gauge.installed = true;
    if (!gauge.install_errors().empty()) {
        std::string message = gauge.module().path() + ": cannot install \"" + gauge.gauge_name() + "\":";
        for (const auto& error : gauge.install_errors()) message += "\n  " + error;
        throw HostError(message);
    }
}

void Panel::kill(GaugeInstance& gauge) {
    if (held_.gauge == &gauge) release();
    if (gauge.is_version_800()) {
        call_service(gauge, SERVICE_PRE_KILL);
        gauge.mouse().clear();
        kill_elements(gauge);
        call_service(gauge, SERVICE_POST_KILL);
    } else {
        GAUGEHDR& header = gauge.header();
        call_module(&gauge, [&] { header.kill_routine(); });
    }
    gauge.installed = false;
}

void Panel::reinstall(GaugeInstance& gauge) {
    if (gauge.installed) kill(gauge);
    install(gauge);
}

void Panel::install_elements(GaugeInstance& gauge, ELEMENT_HEADER* root) {
    BitmapLookup bitmaps = [&](uint32_t id, std::string& error) { return gauge.bitmap(id, error); };
    gauge.chain().install(root, bitmaps, gauge.install_errors());
}

void Panel::update_elements(GaugeInstance& gauge) {
    FailureLookup failures = [this](const FAILURE_RECORD* list) { return failure_action(list); };
    gauge.chain().update(sim_, failures);
}

void Panel::kill_elements(GaugeInstance& gauge) { gauge.chain().kill(); }

void Panel::update(GaugeInstance& gauge) {
    if (!gauge.installed) return;
    if (gauge.is_version_800()) {
        call_service(gauge, SERVICE_PRE_UPDATE);
        call_module(&gauge, [&] { update_elements(gauge); });
        call_service(gauge, SERVICE_POST_UPDATE);
    } else {
        GAUGEHDR& header = gauge.header();
        call_module(&gauge, [&] { header.update_routine(); });
    }
}

void Panel::generate(GaugeInstance& gauge, uint32_t phase) {
    if (!gauge.installed) return;
    if (gauge.is_version_800()) {
        call_service(gauge, SERVICE_PRE_GENERATE);
        call_service(gauge, SERVICE_POST_GENERATE);
    } else {
        GAUGEHDR& header = gauge.header();
        call_module(&gauge, [&] { header.generate_routine(phase); });
    }
}

void Panel::draw(GaugeInstance& gauge) {
    if (!gauge.installed) return;
    if (gauge.is_version_800()) {
        call_service(gauge, SERVICE_PRE_DRAW);
        call_service(gauge, SERVICE_POST_DRAW);
    } else {
        GAUGEHDR& header = gauge.header();
        call_module(&gauge, [&] { header.draw_routine(); });
    }
}

void Panel::run_frame() {
    ++frames_run_;
    int64_t frame_time = first_frame_ms_ + frames_run_ * 1000 / FRAMES_PER_SECOND;
    clock_.advance_ms(frame_time - clock_.now_ms());
    deliver_repeats();
    for (auto& gauge : gauges_) {
        update(*gauge);
        generate(*gauge, 1);
        draw(*gauge);
    }
}

void Panel::run_frames(int count) {
    for (int i = 0; i < count; ++i) run_frame();
}

void Panel::set_failure(uint32_t key, bool active) {
    if (active)
        active_failures_.insert(key);
    else
        active_failures_.erase(key);
}

uint32_t Panel::failure_action(const FAILURE_RECORD* list) const {
    if (active_failures_.empty()) return FAIL_ACTION_NONE;  // as in almost every frame
    for (int i = 0; list != nullptr && i < 256 && list[i].key != 0; ++i)
        if (active_failures_.count(list[i].key) != 0) return list[i].action;
    return FAIL_ACTION_NONE;
}

void Panel::call_mouse(uint32_t flags, PIXPOINT face_point) {
    const MouseArea* area = held_.area;
    PIXPOINT relative{face_point.x - area->box.x, face_point.y - area->box.y};
    MOUSE_FUNCTION function = area->record->mouse_function;
    if (function == nullptr) return;
    call_module(held_.gauge, [&] { function(&relative, flags); });
}

bool Panel::press(GaugeInstance& gauge, PIXPOINT face_point) {
    release();
    if (!gauge.installed || !gauge.mouse().registered()) return false;
    const MouseArea* area = gauge.mouse().hit(face_point);
    if (area == nullptr) return false;
    held_ = {&gauge, area, clock_.now_ms(), 0};
    if (area->record->mouse_flags & MOUSE_LEFTSINGLE) call_mouse(MOUSE_LEFTSINGLE, face_point);
    held_point_ = face_point;
    return true;
}

void Panel::drag_to(PIXPOINT face_point) {
    if (held_.gauge == nullptr) return;
    held_point_ = face_point;
    if (held_.area->record->mouse_flags & MOUSE_LEFTDRAG) call_mouse(MOUSE_LEFTDRAG, face_point);
}

void Panel::release() { held_ = {}; }

void Panel::deliver_repeats() {
    if (held_.gauge == nullptr || !(held_.area->record->mouse_flags & MOUSE_DOWN_REPEAT)) return;
    int64_t held_ms = clock_.now_ms() - held_.pressed_at_ms;
    int64_t due = held_ms < REPEAT_DELAY_MS ? 0 : 1 + (held_ms - REPEAT_DELAY_MS) / REPEAT_INTERVAL_MS;
    while (held_.gauge != nullptr && held_.repeats < due) {
        ++held_.repeats;
        call_mouse(MOUSE_DOWN_REPEAT, held_point_);
    }
}
