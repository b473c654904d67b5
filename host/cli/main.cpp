// The `panel` command: render a gauge to PNG, or print a module's declared records.
#include <CLI/CLI.hpp>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "host/core/host_error.h"
#include "host/core/panel.h"
#include "host/render/gauge_renderer.h"
#include "host/sim/aircraft.h"
#include "inspect_json.h"
#include "work_directory.h"

namespace {

struct TokenSetting {
    uint32_t token;
    double value;
};

// "0x3D=54" or "61=54": a token number, decimal or hexadecimal, and a value.
TokenSetting parse_token_setting(const std::string& text) {
    auto equals = text.find('=');
    if (equals == std::string::npos) throw CLI::ValidationError("--set", "expected TOKEN=VALUE, got \"" + text + "\"");
    std::string token_text = text.substr(0, equals);
    std::string value_text = text.substr(equals + 1);
    int base = 10;
    if (token_text.rfind("0x", 0) == 0 || token_text.rfind("0X", 0) == 0) {
        token_text = token_text.substr(2);
        base = 16;
    }
    TokenSetting setting{};
    auto [token_end, token_error] =
        std::from_chars(token_text.data(), token_text.data() + token_text.size(), setting.token, base);
    auto [value_end, value_error] =
        std::from_chars(value_text.data(), value_text.data() + value_text.size(), setting.value);
    if (token_text.empty() || token_error != std::errc() || token_end != token_text.data() + token_text.size())
        throw CLI::ValidationError("--set", "bad token number in \"" + text + "\"");
    if (value_text.empty() || value_error != std::errc() || value_end != value_text.data() + value_text.size())
        throw CLI::ValidationError("--set", "bad value in \"" + text + "\"");
    return setting;
}

int render_command(const std::string& module, const std::vector<std::string>& settings, int frames, double scale,
                   const std::vector<uint32_t>& failures, const std::string& out, const std::string& workdir) {
    std::vector<TokenSetting> tokens;
    for (const auto& text : settings) tokens.push_back(parse_token_setting(text));
    auto module_path = std::filesystem::absolute(module).string();
    auto out_path = std::filesystem::absolute(out).string();
    std::filesystem::create_directories(std::filesystem::path(out_path).parent_path());

    WorkDirectory directory(workdir);
    SimClock clock;
    Aircraft aircraft(clock);
    for (const auto& setting : tokens) aircraft.set(setting.token, setting.value);
    Panel panel(aircraft, clock);
    GaugeInstance& gauge = panel.load_gauge(module_path);
    for (uint32_t key : failures) panel.set_failure(key, true);
    panel.run_frames(frames);

    GaugeRenderer renderer;
    cairo_surface_t* image = renderer.render(gauge, scale);
    try {
        write_png(image, out_path);
    } catch (...) {
        cairo_surface_destroy(image);
        throw;
    }
    cairo_surface_destroy(image);
    std::cout << "wrote " << out_path << "\n";
    return 0;
}

int inspect_command(const std::string& module, const std::string& workdir) {
    auto module_path = std::filesystem::absolute(module).string();
    WorkDirectory directory(workdir);
    SimClock clock;
    Aircraft aircraft(clock);
    Panel panel(aircraft, clock);
    GaugeInstance& gauge = panel.load_gauge(module_path);
    std::cout << inspect_gauge(gauge).dump(2) << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"panel: load gauge modules, drive them with a simulated aircraft, draw and inspect them."};
    app.require_subcommand(1);

    std::string module, out, workdir;
    std::vector<std::string> settings;
    std::vector<uint32_t> failures;
    int frames = 100;
    double scale = 1.0;

    auto* render = app.add_subcommand("render", "Load a module, set tokens, run frames and write the gauge as PNG.");
    render->add_option("module", module, "The gauge module file (.so)")->required();
    render->add_option("--set", settings,
                       "Set a simulator token before the first frame, e.g. --set 0x3D=54 (airspeed, knots). Repeatable.");
    render->add_option("--frames", frames, "Frames to run before drawing, 18 per simulated second")
        ->capture_default_str()
        ->check(CLI::Range(0, 10000000));
    render->add_option("--scale", scale, "Drawing scale of the face")->capture_default_str()->check(CLI::Range(0.05, 16.0));
    render->add_option("--failure", failures, "Make a simulator failure key active. Repeatable.");
    render->add_option("-o,--out", out, "The PNG file to write")->required();
    render->add_option("--workdir", workdir,
                       "Folder the gauges run in (their data files land there); default: a fresh temporary folder");

    auto* inspect = app.add_subcommand("inspect", "Print a module's declared records as JSON.");
    inspect->add_option("module", module, "The gauge module file (.so)")->required();
    inspect->add_option("--workdir", workdir, "Folder the gauge runs in; default: a fresh temporary folder");

    CLI11_PARSE(app, argc, argv);
    try {
        if (*render) return render_command(module, settings, frames, scale, failures, out, workdir);
        if (*inspect) return inspect_command(module, workdir);
    } catch (const CLI::Error& e) {
        return app.exit(e);
    } catch (const std::exception& e) {
        std::cerr << "panel: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
