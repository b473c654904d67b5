// What the host tests share: where the built modules are, and a panel with its own
// simulated aircraft and clock, run in a temporary folder.
#pragma once

#include <filesystem>
#include <string>

#include "host/core/panel.h"
#include "host/sim/aircraft.h"

std::string module_path(const std::string& module_name);  // e.g. "QT.SM-008"

// A folder for PNGs that a person should look at when a test fails.
std::filesystem::path test_output_dir();

// A fresh temporary folder the test works in while the object lives.
struct TemporaryWorkdir {
    TemporaryWorkdir();
    ~TemporaryWorkdir();
    std::filesystem::path path;
    std::filesystem::path previous;
};

struct TestPanel {
    TemporaryWorkdir workdir;  // first made, last removed
    SimClock clock;
    Aircraft aircraft{clock};
    Panel panel{aircraft, clock};
};
