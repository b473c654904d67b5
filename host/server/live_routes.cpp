// Routes of the live view, with the checks that keep bad requests from changing anything.
#include "live_routes.h"

#include <cmath>
#include <stdexcept>

#include "live_page.h"

namespace {

using nlohmann::json;

// A request the server refuses with 400 and the reason.
struct BadRequest : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr size_t MAX_BODY_BYTES = 16 * 1024;

json parse_body(const httplib::Request& request) {
    json body = json::parse(request.body, nullptr, false);
    if (body.is_discarded() || !body.is_object()) throw BadRequest("the body is not a JSON object");
    return body;
}

double number_in(const json& body, const char* key, double low, double high) {
    const json& value = body.at(key);
    if (!value.is_number()) throw BadRequest(std::string(key) + " is not a number");
    double number = value.get<double>();
    if (!std::isfinite(number) || number < low || number > high)
        throw BadRequest(std::string(key) + " is outside " + json(low).dump() + " .. " + json(high).dump());
    return number;
}

std::optional<double> optional_number(const json& body, const char* key, double low, double high) {
    if (!body.contains(key)) return std::nullopt;
    return number_in(body, key, low, high);
}

// null ends an override; a number sets it.
std::optional<std::optional<double>> override_number(const json& body, const char* key, double low, double high) {
    if (!body.contains(key)) return std::nullopt;
    if (body.at(key).is_null()) return std::optional<double>();
    return std::optional<double>(number_in(body, key, low, high));
}

MouseAction parse_mouse(const json& body, PIXPOINT panel) {
    if (!body.contains("action") || !body.at("action").is_string()) throw BadRequest("action is missing");
    std::string action = body.at("action").get<std::string>();
    if (action == "up") return {MouseAction::UP, {0, 0}};
    if (action != "down" && action != "drag") throw BadRequest("action must be down, drag or up");
    bool down = action == "down";
    // A press lands on the panel; a drag may leave it, but not by more than its size.
    double x = down ? number_in(body, "x", 0, panel.x - 1) : number_in(body, "x", -panel.x, 2.0 * panel.x);
    double y = down ? number_in(body, "y", 0, panel.y - 1) : number_in(body, "y", -panel.y, 2.0 * panel.y);
    return {down ? MouseAction::DOWN : MouseAction::DRAG, {int(x), int(y)}};
}

LiveControls parse_controls(const json& body) {
    LiveControls controls;
    if (body.contains("paused")) {
        if (!body.at("paused").is_boolean()) throw BadRequest("paused is not true or false");
        controls.paused = body.at("paused").get<bool>();
    }
    controls.speed = optional_number(body, "speed", 0.05, 64);
    controls.airspeed_kt = override_number(body, "airspeed_kt", -50, 400);
    controls.vertical_speed_ms = override_number(body, "vertical_speed_ms", -50, 50);
    controls.wind_kmh = optional_number(body, "wind_kmh", 0, 300);
    controls.wind_from_deg = optional_number(body, "wind_from_deg", 0, 360);
    controls.thermal_strength = optional_number(body, "thermal_strength", 0, 10);
    if (auto units = optional_number(body, "units", 0, 2)) {
        if (*units != std::floor(*units)) throw BadRequest("units must be 0, 1 or 2");
        controls.units = int(*units);
    }
    if (body.contains("failures")) {
        const json& list = body.at("failures");
        if (!list.is_array() || list.size() > 64) throw BadRequest("failures is not a short list of keys");
        std::set<uint32_t> keys;
        for (const json& key : list) {
            if (!key.is_number_unsigned() || key.get<uint64_t>() > 0xFFFFFFFFu) throw BadRequest("a failure key is no number");
            keys.insert(uint32_t(key.get<uint64_t>()));
        }
        controls.failures = keys;
    }
    return controls;
}

// Runs a handler; a refused request gets 400 and its reason as text.
template <typename Handler>
httplib::Server::Handler checked(Handler handler) {
    return [handler](const httplib::Request& request, httplib::Response& response) {
        try {
            handler(request, response);
        } catch (const BadRequest& e) {
            response.status = 400;
            response.set_content(std::string(e.what()) + "\n", "text/plain");
        } catch (const json::exception& e) {
            response.status = 400;
            response.set_content(std::string("bad request: ") + e.what() + "\n", "text/plain");
        }
    };
}

}  // namespace

void add_live_routes(httplib::Server& server, LiveSession& session) {
    server.set_payload_max_length(MAX_BODY_BYTES);
    server.Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(live_page_html(), "text/html; charset=utf-8");
    });
    server.Get("/frame.png", [&session](const httplib::Request&, httplib::Response& response) {
        std::vector<uint8_t> png = session.frame_png();
        response.set_header("Cache-Control", "no-store");
        response.set_content(reinterpret_cast<const char*>(png.data()), png.size(), "image/png");
    });
    server.Get("/state", [&session](const httplib::Request&, httplib::Response& response) {
        response.set_header("Cache-Control", "no-store");
        response.set_content(session.state().dump(), "application/json");
    });
    server.Get("/areas", [&session](const httplib::Request&, httplib::Response& response) {
        response.set_content(session.areas().dump(), "application/json");
    });
    server.Post("/mouse", checked([&session](const httplib::Request& request, httplib::Response& response) {
        session.queue_mouse(parse_mouse(parse_body(request), session.panel_size()));
        response.status = 204;
    }));
    server.Post("/control", checked([&session](const httplib::Request& request, httplib::Response& response) {
        session.apply_controls(parse_controls(parse_body(request)));
        response.status = 204;
    }));
    server.Post("/snapshot", checked([&session](const httplib::Request&, httplib::Response& response) {
        response.set_content(json{{"path", session.snapshot().string()}}.dump(), "application/json");
    }));
}
