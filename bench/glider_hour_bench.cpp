// One simulated hour of the glider panel at 18 frames a second with nothing drawn, and
// as its floor the same number of frames of only the file operations the gauges must
// do, both in the same folder: the one named, or else a fresh one on tmpfs (/dev/shm),
// where the hour must take under 10 s, and a fresh one on disk (/var/tmp), where the
// file operations cost what they cost in the simulator's own folder.
#include <sys/statfs.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "host/cli/scenario_runner.h"
#include "host/core/panel_config.h"
#include "host/core/panel_layout.h"
#include "host/sim/glider_flight.h"
#include "host/sim/scenario.h"
#include "host/sim/scenario_flight.h"

namespace fs = std::filesystem;

namespace {

constexpr int64_t HOUR_FRAMES = 3600 * Panel::FRAMES_PER_SECOND;

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string file_system_of(const fs::path& folder) {
    struct statfs info {};
    if (statfs(folder.c_str(), &info) != 0) return "unknown file system";
    switch (info.f_type) {
        case 0x01021994: return "tmpfs";
        case 0xEF53: return "ext2/3/4";
        case 0x58465342: return "xfs";
        case 0x9123683E: return "btrfs";
        case 0x794C7630: return "overlayfs";
        default: {
            char text[40];
            std::snprintf(text, sizeof text, "file system 0x%lx", long(info.f_type));
            return text;
        }
    }
}

// The glider panel flown by the simulated glider for HOUR_FRAMES frames: the flight,
// its tokens and every gauge's update each frame, the scenario's clicks on the way;
// no trace, nothing drawn.
double fly_panel_hour(const fs::path& scenario_file, const fs::path& modules) {
    const scenario::Scenario scenario = scenario::read(scenario_file);
    SimClock clock;
    Aircraft aircraft{clock};
    Panel panel{aircraft, clock};
    GliderFlight flight;
    std::vector<PanelLayout> layouts;
    std::map<std::string, GaugeInstance*> gauges;
    int64_t frames = 0;
    const auto run_frame = [&] {
        ++frames;
        flight.step_to(frames * 1000 / Panel::FRAMES_PER_SECOND);
        flight.write_tokens(aircraft);
        panel.run_frame();
        panel.clear_sent_events();
    };

    const auto start = std::chrono::steady_clock::now();
    flight.step_to(0);
    for (const scenario::Step& step : scenario.steps) {
        if (scenario::apply_to_flight(step.command, flight)) continue;
        if (const auto* file = std::get_if<scenario::PanelFile>(&step.command)) {
            const PanelConfig config = read_panel_config(scenario_file.parent_path() / file->path);
            layouts = load_panel_layout(panel, config, modules);
            for (size_t w = 0; w < layouts.size(); ++w)
                for (size_t g = 0; g < layouts[w].gauges.size(); ++g)
                    gauges[config.windows[w].gauges[g].module] = const_cast<GaugeInstance*>(layouts[w].gauges[g].gauge);
        } else if (const auto* set = std::get_if<scenario::SetToken>(&step.command)) {
            aircraft.set(set->token, set->value);
        } else if (const auto* click = std::get_if<scenario::Click>(&step.command)) {
            for (int i = 0; i < click->times; ++i) {
                panel.press(*gauges.at(click->gauge), PIXPOINT{click->x, click->y});
                panel.release();
                run_frame();
            }
        } else if (const auto* run = std::get_if<scenario::RunFor>(&step.command)) {
            const int64_t end = std::min<int64_t>(HOUR_FRAMES, frames + run->duration_ms * Panel::FRAMES_PER_SECOND / 1000);
            while (frames < end) run_frame();
        }
    }
    while (frames < HOUR_FRAMES) run_frame();
    return seconds_since(start);
}

std::string contents_of(const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void rewrite(const char* name, const std::string& text) {
    if (std::FILE* file = std::fopen(name, "wt")) {
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
}

void read_whole(const char* name) {
    if (std::FILE* file = std::fopen(name, "rt")) {
        char line[256];
        while (std::fgets(line, sizeof line, file)) {
        }
        std::fclose(file);
    }
}

// What the gauges' files cost by themselves over the same frames, with the texts the
// flight left behind: every frame the flight computer rewrites the settings file and
// reads the navigation file, and the variometer reads the settings file; once a
// simulated second the navigation program writes its file anew and renames it.
double file_operations_hour() {
    const std::string settings = contents_of("T-KOR.QVD"), navigation = contents_of("GPSNAV.QVD");
    const auto start = std::chrono::steady_clock::now();
    for (int64_t frame = 1; frame <= HOUR_FRAMES; ++frame) {
        if (frame % Panel::FRAMES_PER_SECOND == 0) {
            rewrite("GPSNAV.QVD.new", navigation);
            std::rename("GPSNAV.QVD.new", "GPSNAV.QVD");
        }
        rewrite("T-KOR.QVD", settings);
        read_whole("GPSNAV.QVD");
        read_whole("T-KOR.QVD");
    }
    return seconds_since(start);
}

// The same hour as `panel run` flies it: with trace.csv written every frame.
double fly_run_hour(const fs::path& scenario_file, const fs::path& modules, const fs::path& folder) {
    const auto start = std::chrono::steady_clock::now();
    ScenarioRunner runner(scenario::read(scenario_file), modules, folder);
    runner.run();
    return seconds_since(start);
}

// The three figures in one folder, the working folder meanwhile.
void measure_in(const fs::path& folder) {
    const fs::path scenario_file = BENCH_SCENARIO;
    const fs::path modules = GAUGE_MODULE_DIR;
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    std::printf("folder %s (%s)\n", folder.c_str(), file_system_of(folder).c_str());
    std::fflush(stdout);
    // Each the best of two, taken in turns, so that a busy moment of the machine
    // counts against neither.
    double panel_s = fly_panel_hour(scenario_file, modules);
    double floor_s = file_operations_hour();
    panel_s = std::min(panel_s, fly_panel_hour(scenario_file, modules));
    floor_s = std::min(floor_s, file_operations_hour());
    std::printf("  glider panel, nothing drawn:           %7.3f s  (%5.1f us a frame)\n", panel_s, panel_s / HOUR_FRAMES * 1e6);
    std::printf("  the gauges' file operations alone:     %7.3f s  (%5.1f us a frame)\n", floor_s, floor_s / HOUR_FRAMES * 1e6);
    std::printf("  panel / file operations:               %7.2fx   (goal: at most 1.2x)\n", panel_s / floor_s);
    std::fflush(stdout);
    const double run_s = fly_run_hour(scenario_file, modules, folder);
    std::printf("  as panel run flies it, with trace.csv: %7.3f s  (%5.1f us a frame)\n", run_s, run_s / HOUR_FRAMES * 1e6);
    std::fflush(stdout);
    fs::current_path(before);
}

// A fresh folder from a mkdtemp pattern, or none.
std::optional<fs::path> fresh_folder(std::string pattern) {
    if (mkdtemp(pattern.data()) == nullptr) return std::nullopt;
    return fs::path(pattern);
}

}  // namespace

int main(int argc, char** argv) {
    std::printf("one simulated hour at %d frames a second: %lld frames (goal: under 10 s on tmpfs)\n",
                Panel::FRAMES_PER_SECOND, static_cast<long long>(HOUR_FRAMES));
    if (argc > 1) {
        const fs::path folder = fs::absolute(argv[1]);
        fs::create_directories(folder);
        measure_in(folder);
        return 0;
    }
    bool measured = false;
    for (const char* pattern : {"/dev/shm/glider-hour-XXXXXX", "/var/tmp/glider-hour-XXXXXX"}) {
        const std::optional<fs::path> folder = fresh_folder(pattern);
        if (!folder) continue;
        measure_in(*folder);
        fs::remove_all(*folder);
        measured = true;
    }
    if (!measured) {
        std::fprintf(stderr, "no folder under /dev/shm or /var/tmp; name one: glider_hour_bench FOLDER\n");
        return 1;
    }
    return 0;
}
