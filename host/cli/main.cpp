// The `panel` command: render a gauge or a whole panel to PNG, print a module's declared records, or probe what it shows.
#include <CLI/CLI.hpp>

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
#include "probe.h"
#include "render_panel_command.h"
#include "run_command.h"
#include "run_subcommand.h"
#include "serve_command.h"
#include "work_directory.h"

namespace {

// The command line's token settings; a bad one is a usage error of --set.
std::vector<TokenSetting> parse_token_settings(const std::vector<std::string>& texts) {
    std::vector<TokenSetting> settings;
    for (const auto& text : texts) {
        try {
            settings.push_back(parse_token_setting(text));
        } catch (const std::invalid_argument& e) {
            throw CLI::ValidationError("--set", e.what());
        }
    }
    return settings;
}

int render_command(const std::string& module, const std::vector<std::string>& settings, int frames, double scale,
                   const std::vector<uint32_t>& failures, const std::string& out, const std::string& workdir) {
    const std::vector<TokenSetting> tokens = parse_token_settings(settings);
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

    auto* probe = app.add_subcommand("probe",
                                     "Load a module, set tokens, run frames and print what each element shows and the "
                                     "events sent, as panel.exe prints it on Windows.");
    probe->add_option("module", module, "The gauge module file (.so)")->required();
    probe->add_option("--set", settings, "Set a simulator token before the first frame. Repeatable.");
    probe->add_option("--frames", frames, "Frames to run, 18 per simulated second")
        ->capture_default_str()
        ->check(CLI::Range(0, 10000000));
    probe->add_option("--workdir", workdir, "Folder the gauge runs in; default: a fresh temporary folder");

    RenderPanelOptions panel_options;
    auto* render_panel = add_render_panel_subcommand(app, panel_options);

    RunOptions run_options;
    auto* run = add_run_subcommand(app, run_options);

    add_serve_command(app);

    CLI11_PARSE(app, argc, argv);
    try {
        if (*render) return render_command(module, settings, frames, scale, failures, out, workdir);
        if (*inspect) return inspect_command(module, workdir);
        if (*render_panel) return render_panel_command(panel_options);
        if (*run) return run_command(run_options);
        if (*probe) {
            run_probe(module, parse_token_settings(settings), frames, workdir, std::cout);
            return 0;
        }
    } catch (const CLI::Error& e) {
        return app.exit(e);
    } catch (const std::exception& e) {
        std::cerr << "panel: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
