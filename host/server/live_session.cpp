// The live panel: frames paced by the wall clock, mouse actions and controls applied
// between frames, frames rendered and state reported on request.
#include "live_session.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/core/host_error.h"
#include "host/render/panel_renderer.h"
#include "host/sim/scenario.h"
#include "host/sim/scenario_flight.h"

namespace {

// The most simulated time one call catches up, so a stalled thread never runs away.
constexpr double MAX_CATCH_UP_MS = 1000.0;
constexpr double FRAME_MS = 1000.0 / Panel::FRAMES_PER_SECOND;


const char* cursor_name(int32_t cursor) {
    switch (cursor) {
        case CURSOR_HAND: return "hand";
        case CURSOR_UPARROW: return "up";
        case CURSOR_DOWNARROW: return "down";
        default: return "none";
    }
}

cairo_status_t append_png(void* closure, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

nlohmann::json element_state(const ElementState& state) {
    const ELEMENT_HEADER& record = *state.record;
    nlohmann::json out = {{"type", element_type_name(record.element_type)},
                          {"hidden", (record.image_flags & IMAGE_HIDDEN) != 0}};
    if (state.updated && std::isfinite(state.value)) out["value"] = state.value;
    switch (record.element_type) {
        case ELEMENT_TYPE_NEEDLE: out["angle"] = state.angle; break;
        case ELEMENT_TYPE_STRING:
            if (state.text_buffer) out["text"] = std::string(state.text_buffer.get());
            break;
        case ELEMENT_TYPE_ICON: out["picture"] = state.picture; break;
        case ELEMENT_TYPE_SLIDER: out["offset"] = state.offset_y; break;
        case ELEMENT_TYPE_SPRITE:
            out["offset"] = {state.offset_x, state.offset_y};
            out["rotation"] = state.rotation;
            break;
        default: break;
    }
    return out;
}

}  // namespace

LiveSession::LiveSession(const std::filesystem::path& panel_config, const std::filesystem::path& modules_dir,
                         const std::filesystem::path& snapshot_dir, const std::filesystem::path& scenario)
    : snapshot_dir_(snapshot_dir) {
    if (!scenario.empty()) set_up_flight(scenario);
    auto layouts = load_panel_layout(panel_, read_panel_config(panel_config), modules_dir);
    if (layouts.empty()) throw HostError(panel_config.string() + ": no window to show");
    layout_ = layouts.front();
}

void LiveSession::set_up_flight(const std::filesystem::path& file) {
    scenario::Scenario script = scenario::read(file);
    flight_.emplace();
    for (const scenario::Step& step : script.steps) {
        // The viewer takes over from the first command that moves time on.
        if (std::holds_alternative<scenario::RunFor>(step.command) || std::holds_alternative<scenario::RunTo>(step.command))
            break;
        if (scenario::apply_to_flight(step.command, *flight_)) continue;
        if (const auto* token = std::get_if<scenario::SetToken>(&step.command)) aircraft_.set(token->token, token->value);
    }
    scenario_thermals_ = flight_->air.thermals;
    wind_kmh_ = flight_->air.wind.speed_kmh;
    wind_from_deg_ = flight_->air.wind.from_deg;
    flight_->step_to(0);
}

void LiveSession::apply_air_controls() {
    if (!flight_) return;
    flight_->air.wind = Wind{wind_from_deg_, wind_kmh_};
    flight_->air.thermals = scenario_thermals_;
    for (Thermal& thermal : flight_->air.thermals) thermal.convective_velocity_ms *= thermal_strength_;
}

void LiveSession::advance() {
    std::lock_guard lock(mutex_);
    auto now = std::chrono::steady_clock::now();
    double elapsed_ms = std::chrono::duration<double, std::milli>(now - last_advance_).count();
    last_advance_ = now;
    if (!paused_) due_ms_ = std::min(due_ms_ + elapsed_ms * speed_, MAX_CATCH_UP_MS);
    while (due_ms_ >= FRAME_MS) {
        due_ms_ -= FRAME_MS;
        ++frames_;
        if (flight_) {
            flight_->step_to(frames_ * 1000 / Panel::FRAMES_PER_SECOND);
            flight_->write_tokens(aircraft_);
        }
        apply_overrides();
        panel_.run_frame();
    }
    while (!mouse_queue_.empty()) {
        deliver(mouse_queue_.front());
        mouse_queue_.pop_front();
    }
}

void LiveSession::apply_overrides() {
    if (airspeed_kt_) aircraft_.set(TOKEN_AIRSPEED, *airspeed_kt_);
    if (vertical_speed_ms_) aircraft_.set(TOKEN_VERTICAL_SPEED, *vertical_speed_ms_ * 256.0);
}

void LiveSession::queue_mouse(const MouseAction& action) {
    std::lock_guard lock(mutex_);
    mouse_queue_.push_back(action);
}

void LiveSession::deliver(const MouseAction& action) {
    switch (action.kind) {
        case MouseAction::DOWN: {
            pressed_ = nullptr;
            auto hit = gauge_at(layout_, action.panel_point);
            if (hit && panel_.press(*hit->placed->gauge, hit->face_point)) pressed_ = hit->placed;
            break;
        }
        case MouseAction::DRAG:
            if (pressed_ != nullptr) panel_.drag_to(face_point_in(*pressed_, action.panel_point));
            break;
        case MouseAction::UP:
            panel_.release();
            pressed_ = nullptr;
            break;
    }
}

void LiveSession::apply_controls(const LiveControls& controls) {
    std::lock_guard lock(mutex_);
    if (controls.paused) paused_ = *controls.paused;
    if (controls.speed) speed_ = *controls.speed;
    if (controls.airspeed_kt) airspeed_kt_ = *controls.airspeed_kt;
    if (controls.vertical_speed_ms) vertical_speed_ms_ = *controls.vertical_speed_ms;
    if (controls.wind_kmh) wind_kmh_ = *controls.wind_kmh;
    if (controls.wind_from_deg) wind_from_deg_ = *controls.wind_from_deg;
    if (controls.thermal_strength) thermal_strength_ = *controls.thermal_strength;
    if (controls.wind_kmh || controls.wind_from_deg || controls.thermal_strength) apply_air_controls();
    if (controls.units) aircraft_.set(TOKEN_UNITS_OF_MEASURE, *controls.units);
    if (controls.failures) {
        for (uint32_t key : failures_) panel_.set_failure(key, false);
        failures_ = *controls.failures;
        for (uint32_t key : failures_) panel_.set_failure(key, true);
    }
    apply_overrides();
}

std::vector<uint8_t> LiveSession::frame_png() {
    std::lock_guard lock(mutex_);
    cairo_surface_t* image = render_panel(renderer_, layout_);
    std::vector<uint8_t> bytes;
    cairo_surface_write_to_png_stream(image, append_png, &bytes);
    cairo_surface_destroy(image);
    return bytes;
}

nlohmann::json LiveSession::state() {
    std::lock_guard lock(mutex_);
    nlohmann::json gauges = nlohmann::json::array();
    for (const auto& placed : layout_.gauges) {
        nlohmann::json elements = nlohmann::json::array();
        for (const auto& element : placed.gauge->chain().elements()) elements.push_back(element_state(element));
        gauges.push_back({{"module", placed.gauge->module().name()},
                          {"gauge", placed.gauge->gauge_name()},
                          {"elements", elements}});
    }
    nlohmann::json tokens = nlohmann::json::object();
    for (uint32_t token : {0x3Du, 0x41u, 0x4Au, 0x4Bu, 0x14Fu, 0x4Eu, 0x50u, 0x13Fu}) {
        char name[16];
        std::snprintf(name, sizeof name, "0x%X", token);
        double value = aircraft_.read(token).n;
        tokens[name] = std::isfinite(value) ? nlohmann::json(value) : nlohmann::json(nullptr);
    }
    char frequency[16];
    std::snprintf(frequency, sizeof frequency, "0x%X", aircraft_.read(0x17).d);
    tokens["0x17"] = frequency;
    nlohmann::json events = nlohmann::json::array();
    const auto& sent = panel_.sent_events();
    for (size_t i = sent.size() > 20 ? sent.size() - 20 : 0; i < sent.size(); ++i)
        events.push_back({{"event", sent[i].event_id}, {"value", sent[i].value}, {"time_ms", sent[i].time_ms}});
    nlohmann::json flight = nullptr;
    if (flight_)
        flight = {{"altitude_m", flight_->glider.altitude_m},
                  {"indicated_airspeed_kmh", flight_->indicated_airspeed_kmh()},
                  {"on_ground", flight_->glider.on_ground}};
    nlohmann::json controls = {{"wind_kmh", wind_kmh_}, {"wind_from_deg", wind_from_deg_},
                               {"thermal_strength", thermal_strength_}, {"units", int(aircraft_.read(TOKEN_UNITS_OF_MEASURE).n)}};
    return {{"time_ms", clock_.now_ms()}, {"paused", paused_}, {"speed", speed_}, {"flight", flight}, {"controls", controls},
            {"tokens", tokens},          {"gauges", gauges},   {"recent_events", events}};
}

nlohmann::json LiveSession::areas() {
    std::lock_guard lock(mutex_);
    nlohmann::json out = nlohmann::json::array();
    for (const auto& placed : layout_.gauges) {
        PIXPOINT face = placed.gauge->face_size();
        if (face.x <= 0 || face.y <= 0) continue;
        double sx = double(placed.box.width) / face.x, sy = double(placed.box.height) / face.y;
        auto to_panel = [&](PIXBOX b) {
            return nlohmann::json::array({placed.box.x + int(std::lround(b.x * sx)), placed.box.y + int(std::lround(b.y * sy)),
                                          int(std::lround(b.width * sx)), int(std::lround(b.height * sy))});
        };
        char help[96];
        int index = 0;
        for (const auto& area : placed.gauge->mouse().areas()) {
            std::snprintf(help, sizeof help, "%s: help 0x%X", placed.gauge->gauge_name().c_str(), area.help_id);
            out.push_back({{"module", placed.gauge->module().name()}, {"index", index++},
                           {"box", to_panel(area.box)}, {"cursor", cursor_name(area.record->cursor)},
                           {"help", area.help_id ? std::string(help) : std::string()}});
        }
    }
    return out;
}

std::filesystem::path LiveSession::snapshot() {
    std::vector<uint8_t> png = frame_png();
    std::lock_guard lock(mutex_);
    std::filesystem::create_directories(snapshot_dir_);
    auto path = snapshot_dir_ / ("snapshot-" + std::to_string(++snapshots_) + ".png");
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw HostError(path.string() + ": cannot write the snapshot");
    std::fwrite(png.data(), 1, png.size(), file);
    std::fclose(file);
    return path;
}
