// The run subcommand's options and their help.
#include "run_subcommand.h"

CLI::App* add_run_subcommand(CLI::App& app, RunOptions& options) {
    auto* command = app.add_subcommand(
        "run",
        "Fly a scenario: the simulated glider and the panel, 18 frames a simulated second, faster than real time. "
        "Writes trace.csv (one row a frame: the simulated truth and what every gauge showed), the snapshots the "
        "scenario asks for, flight-chart.png and work/ (the gauges' files) into the run folder, shows a progress "
        "bar on a terminal and prints a summary. The scenario language is described in scenarios/README.md.");
    command->add_option("scenario", options.scenario, "The scenario file, e.g. scenarios/cross-country.txt")->required();
    command->add_option("-o,--out", options.out_dir, "The run folder; default: a fresh runs/<date>-<time>");
    command->add_option("--modules", options.modules_dir,
                        "Folder holding the gauge modules (MODULE.so); default: modules/ beside this program");
    command->add_option("--workdir", options.workdir,
                        "Folder the gauges and the navigation program run in (their data files land there); default: "
                        "a fresh folder under /dev/shm (tmpfs) whose files are copied to work/ inside the run folder "
                        "when the run ends, or work/ itself where there is no /dev/shm. The flight computer rewrites "
                        "its settings file every frame, so a folder on disk runs many times slower");
    command->add_flag("-q,--quiet", options.quiet, "No progress bar (there is none either when standard error is not a terminal)");
    return command;
}
