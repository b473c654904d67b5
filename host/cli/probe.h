// The probe: load one module, set tokens, run frames, and print what every element
// shows and which events the gauge sent, in a text form that is the same on every
// platform for the same run (one line per fact, numbers with 17 significant digits).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/core/panel.h"
#include "token_setting.h"

// Prints the gauge's name, one line per element in chain order, then one per event sent.
void write_probe_report(std::ostream& out, const Panel& panel, const GaugeInstance& gauge);

// Runs the probe in the work folder (a fresh temporary one when empty); throws on failure.
void run_probe(const std::string& module, const std::vector<TokenSetting>& settings, int frames,
               const std::string& workdir, std::ostream& out);
