// The render-panel subcommand: a panel configuration's gauges in one panel, drawn to PNG.
#include "render_panel_command.h"

#include <filesystem>
#include <iostream>

#include "host/core/host_error.h"
#include "host/core/panel_layout.h"
#include "host/render/panel_renderer.h"
#include "host/sim/aircraft.h"
#include "token_setting.h"
#include "work_directory.h"

namespace {

namespace fs = std::filesystem;

// The modules folder of the build: "modules" beside this program.
fs::path default_modules_dir() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) throw HostError("cannot tell where the panel program lies; name the modules folder with --modules");
    return program.parent_path() / "modules";
}

const PanelLayout& chosen_window(const std::vector<PanelLayout>& layouts, const std::string& window,
                                 const std::string& file) {
    if (window.empty()) return layouts.front();
    for (const PanelLayout& layout : layouts)
        if (layout.section == window) return layout;
    throw HostError(file + ": no [" + window + "] section");
}

}  // namespace

CLI::App* add_render_panel_subcommand(CLI::App& app, RenderPanelOptions& options) {
    auto* command = app.add_subcommand(
        "render-panel", "Load every gauge of a panel configuration into one panel (one working folder, one "
                        "simulated clock), run frames and write a window of it as PNG.");
    command->add_option("--panel", options.panel_file, "The panel configuration, e.g. panels/glider.cfg")->required();
    command->add_option("--modules", options.modules_dir,
                        "Folder holding the gauge modules (MODULE.so); default: modules/ beside this program");
    command->add_option("--window", options.window, "The window section to draw, e.g. Window00; default: the first");
    command->add_option("--set", options.settings,
                        "Set a simulator token before the first frame, e.g. --set 0x41=256 (climb, 1/256 m/s). "
                        "Repeatable.");
    command->add_option("--frames", options.frames, "Frames to run before drawing, 18 per simulated second")
        ->capture_default_str()
        ->check(CLI::Range(0, 10000000));
    command->add_option("--scale", options.scale, "Drawing scale of the panel")
        ->capture_default_str()
        ->check(CLI::Range(0.05, 8.0));
    command->add_option("--failure", options.failures, "Make a simulator failure key active. Repeatable.");
    command->add_option("-o,--out", options.out, "The PNG file to write")->required();
    command->add_option("--workdir", options.workdir,
                        "Folder the gauges run in (their data files land there); default: a fresh temporary folder");
    return command;
}

int render_panel_command(const RenderPanelOptions& options) {
    std::vector<TokenSetting> tokens;
    for (const auto& text : options.settings) {
        try {
            tokens.push_back(parse_token_setting(text));
        } catch (const std::invalid_argument& e) {
            throw CLI::ValidationError("--set", e.what());
        }
    }
    // Every path is taken before the gauges move into their working folder.
    const PanelConfig config = read_panel_config(fs::absolute(options.panel_file));
    const fs::path modules = options.modules_dir.empty() ? default_modules_dir() : fs::absolute(options.modules_dir);
    const fs::path out_path = fs::absolute(options.out);
    fs::create_directories(out_path.parent_path());

    WorkDirectory directory(options.workdir);
    SimClock clock;
    Aircraft aircraft(clock);
    for (const auto& setting : tokens) aircraft.set(setting.token, setting.value);
    Panel panel(aircraft, clock);
    const std::vector<PanelLayout> layouts = load_panel_layout(panel, config, modules);
    const PanelLayout& layout = chosen_window(layouts, options.window, config.file);
    for (uint32_t key : options.failures) panel.set_failure(key, true);
    panel.run_frames(options.frames);

    GaugeRenderer renderer;
    cairo_surface_t* image = render_panel(renderer, layout, options.scale);
    try {
        write_png(image, out_path.string());
    } catch (...) {
        cairo_surface_destroy(image);
        throw;
    }
    cairo_surface_destroy(image);
    std::cout << "wrote " << out_path.string() << "\n";
    return 0;
}
