// The run subcommand: the run folder, the progress bar and the printed summary.
#include "run_command.h"

#ifdef _WIN32
#include <windows.h>
#include <io.h>
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>

#include "host/core/host_error.h"
#include "host/sim/scenario.h"
#include "scenario_runner.h"
#include "run_work_folder.h"

namespace fs = std::filesystem;

namespace {

fs::path default_modules_dir() {
#ifdef _WIN32
    char name[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, name, sizeof name);
    const bool error = length == 0 || length == sizeof name;
    const fs::path program = error ? fs::path() : fs::path(std::string(name, length));
#else
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
#endif
    if (error) throw HostError("cannot tell where the panel program lies; name the modules folder with --modules");
    return program.parent_path() / "modules";
}

fs::path fresh_run_dir() {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    fs::path dir = fs::path("runs") / stamp;
    for (int n = 2; fs::exists(dir); ++n) dir = fs::path("runs") / (std::string(stamp) + "-" + std::to_string(n));
    return fs::absolute(dir);
}

std::string clock_text(int64_t ms) {
    char text[32];
    const int64_t s = ms / 1000;
    std::snprintf(text, sizeof text, "%d:%02d:%02d", int(s / 3600), int(s / 60 % 60), int(s % 60));
    return text;
}

// A bar on the terminal, redrawn when the whole percent changes.
class ProgressBar {
public:
    void operator()(int64_t now_ms, int64_t planned_ms) {
        const int percent = planned_ms > 0 ? int(std::min<int64_t>(100, now_ms * 100 / planned_ms)) : 100;
        if (percent == shown_) return;
        shown_ = percent;
        const int filled = percent * WIDTH / 100;
        std::fprintf(stderr, "\r[%.*s%*s] %3d%%  %s of at most %s", filled, "########################################",
                     WIDTH - filled, "", percent, clock_text(now_ms).c_str(), clock_text(planned_ms).c_str());
        std::fflush(stderr);
    }
    // Ends the bar's line, so that what is printed next starts on a line of its own.
    void finish() {
        if (shown_ >= 0) std::fputc('\n', stderr);
        shown_ = -1;
    }
    ~ProgressBar() { finish(); }

private:
    static constexpr int WIDTH = 40;
    int shown_ = -1;
};

void print_summary(std::ostream& out, const RunResult& result, const GliderFlight& flight, double wall_s,
                   const fs::path& dir) {
    const double simulated_s = result.simulated_ms / 1000.0;
    out << "simulated " << clock_text(result.simulated_ms) << " in " << result.frames << " frames, " << wall_s
        << " s wall time (" << (wall_s > 0 ? simulated_s / wall_s : 0) << "x real time)\n";
    for (const auto& [phase, ms] : result.first_entered_ms)
        out << "  first " << pilot_phase_name(phase) << " at " << clock_text(ms) << "\n";
    if (result.first_entered_ms.count(PilotPhase::Arrived))
        out << "  arrived " << result.arrival_height_m << " m over the goal\n";
    else
        out << "  not arrived: " << length(flight.pilot.task.goal_m - flight.glider.position_m) / 1000.0
            << " km to go at " << flight.glider.altitude_m << " m" << (flight.glider.on_ground ? ", landed" : "") << "\n";
    out << "wrote " << (dir / "trace.csv").string() << "\n";
    for (const fs::path& snapshot : result.snapshots) out << "wrote " << snapshot.string() << "\n";
}

// Ctrl-C or a kill during a run: the run stops at the next frame and unwinds, so the
// working folder on tmpfs is removed; a second signal ends the program at once.
volatile std::sig_atomic_t stop_signal = 0;

extern "C" void note_stop_signal(int number) {
    stop_signal = number;
    std::signal(number, SIG_DFL);
}

}  // namespace

int run_command(const RunOptions& options) {
    scenario::Scenario scenario = scenario::read(fs::absolute(options.scenario));
    const fs::path modules = options.modules_dir.empty() ? default_modules_dir() : fs::absolute(options.modules_dir);
    const fs::path dir = options.out_dir.empty() ? fresh_run_dir() : fs::absolute(options.out_dir);
    fs::create_directories(dir);
    // The gauges and the navigation program share a working folder, on tmpfs when it can be.
    RunWorkFolder work(options.workdir, dir);

    const auto start = std::chrono::steady_clock::now();
    RunResult result;
    {
        ProgressBar bar;
        const bool show = !options.quiet && isatty(STDERR_FILENO);
        stop_signal = 0;
        std::signal(SIGINT, note_stop_signal);
        std::signal(SIGTERM, note_stop_signal);
        ScenarioRunner runner(std::move(scenario), modules, dir, [&bar, show](int64_t now, int64_t planned) {
            if (stop_signal) throw HostError("stopped by signal " + std::to_string(stop_signal) + " at " + clock_text(now));
            if (show) bar(now, planned);
        });
        result = runner.run();
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
        const double wall_s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (show) bar(result.simulated_ms, result.simulated_ms);  // a run that ended early is done too
        bar.finish();
        work.keep_files();
        print_summary(std::cout, result, runner.flight(), wall_s, dir);
        std::cout << "the gauges' files (T-KOR.QVD, GPSNAV.QVD) are in " << work.kept().string() << "\n"
                  << "the run folder: " << dir.string() << "\n";
    }
    return 0;
}
