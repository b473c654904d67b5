// The gauges of a panel configuration loaded into one Panel, each with its place on the
// panel, and panel pixels mapped to the face pixels of the gauge under them.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "panel.h"
#include "panel_config.h"

// A gauge and the box it fills on the panel, in panel pixels.
struct PlacedGauge {
    GaugeInstance* gauge = nullptr;  // owned by the Panel
    PIXBOX box{};
};

// One window of the panel: its size and its gauges in drawing order (later on top).
struct PanelLayout {
    std::string section;
    int width = 0, height = 0;
    std::vector<PlacedGauge> gauges;
};

// Loads every gauge of every window into the panel, from the module file (MODULE.so here, MODULE.gau on Windows) in modules_dir,
// and checks that each module's gauge has the name the configuration gives. Throws
// HostError "FILE:LINE: ..." for a gauge that cannot be loaded or is misnamed; the
// gauges this call loaded before it are unloaded again.
std::vector<PanelLayout> load_panel_layout(Panel& panel, const PanelConfig& config,
                                           const std::filesystem::path& modules_dir);

// A point of the panel in the placed gauge's face pixels: the face pixel whose scaled
// square holds it. Also outside the gauge's box, as a drag needs.
PIXPOINT face_point_in(const PlacedGauge& placed, PIXPOINT panel_point);

// Where a point of the panel lands: the topmost gauge whose box holds it, and the point
// in that gauge's face pixels.
struct PanelHit {
    const PlacedGauge* placed = nullptr;
    PIXPOINT face_point{};
};
std::optional<PanelHit> gauge_at(const PanelLayout& layout, PIXPOINT panel_point);

// Presses the mouse at a point of the panel: the gauge under it gets the press in its
// own face pixels. False when no gauge or no mouse area is there.
bool press_panel_point(Panel& panel, const PanelLayout& layout, PIXPOINT panel_point);
