// `panel run SCENARIO`: fly a scenario and leave a run folder with trace.csv, the
// snapshots and a summary.
#pragma once

#include <string>

struct RunOptions {
    std::string scenario;
    std::string out_dir;      // empty: a fresh runs/<date>-<time> folder
    std::string modules_dir;  // empty: the modules folder beside the panel program
    std::string workdir;      // empty: work/ inside the run folder
    bool quiet = false;       // no progress bar
};

// Runs it and prints the summary; throws scenario::ScenarioError, HostError or
// std::runtime_error saying what went wrong.
int run_command(const RunOptions& options);
