// A panel configuration in the simulator's own style: window sections whose gauge lines
// name a module, the gauge in it and where it goes, in panel pixels.
//
//   [Window00]
//   size_mm=1240,640
//   gauge00=QT.VRX-80!Corvantis VRX, 300, 20, 280
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// "gaugeNN=module!gauge name, x, y[, width[, height]]".
struct PanelGaugeEntry {
    std::string module;      // module file name without its extension, e.g. "QT.VRX-80"
    std::string gauge_name;  // what the module's header must call its gauge
    int x = 0, y = 0;        // top-left corner in panel pixels
    int width = 0;           // panel pixels; 0 = the face's own width
    int height = 0;          // panel pixels; 0 = as the face's proportions give
    int line = 0;            // where the entry stands in its file
};

// A [WindowNN] section: its size (size_mm, which is the panel pixel grid) and its
// gauges in the order of their numbers, the order they are drawn in.
struct PanelWindow {
    std::string section;  // e.g. "Window00"
    int width = 0, height = 0;
    std::vector<PanelGaugeEntry> gauges;
    int line = 0;
};

struct PanelConfig {
    std::string file;  // the name messages use
    std::vector<PanelWindow> windows;  // in file order; at least one
};

// Parses the text of a configuration. Throws HostError "FILE:LINE: what is wrong" for a
// line it cannot use; sections other than windows and keys it does not know are skipped.
PanelConfig parse_panel_config(std::string_view text, const std::string& file);

// Reads and parses a configuration file; throws HostError naming the file when it
// cannot be read.
PanelConfig read_panel_config(const std::filesystem::path& path);
