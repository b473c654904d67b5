// Loading a panel configuration's gauges and placing them; panel points to face points.
#include "panel_layout.h"

#include <algorithm>
#include <cmath>

#include "host_error.h"

namespace {

#if defined(_WIN32)
constexpr const char* MODULE_EXTENSION = ".gau";
#else
constexpr const char* MODULE_EXTENSION = ".so";
#endif

// The box a gauge fills: the configured width (or the face's own), and the configured
// height or the one that keeps the face's proportions.
PIXBOX box_for(const PanelGaugeEntry& entry, PIXPOINT face) {
    const int width = entry.width > 0 ? entry.width : face.x;
    int height = entry.height;
    if (height <= 0) height = face.x > 0 ? int(std::lround(double(width) * face.y / face.x)) : face.y;
    return {entry.x, entry.y, width, std::max(1, height)};
}

std::string located(const PanelConfig& config, const PanelGaugeEntry& entry) {
    return config.file + ":" + std::to_string(entry.line) + ": ";
}

PlacedGauge load_entry(Panel& panel, const PanelConfig& config, const PanelGaugeEntry& entry,
                       const std::filesystem::path& modules_dir) {
    const std::filesystem::path path = modules_dir / (entry.module + MODULE_EXTENSION);
    GaugeInstance* gauge = nullptr;
    try {
        gauge = &panel.load_gauge(path.string());
    } catch (const HostError& e) {
        throw HostError(located(config, entry) + "cannot load " + entry.module + ": " + e.what());
    }
    if (gauge->gauge_name() != entry.gauge_name) {
        const std::string holds = gauge->gauge_name();
        panel.unload_gauge(*gauge);
        throw HostError(located(config, entry) + "module " + entry.module + " holds the gauge \"" + holds +
                        "\", not \"" + entry.gauge_name + "\"");
    }
    return {gauge, box_for(entry, gauge->face_size())};
}

}  // namespace

std::vector<PanelLayout> load_panel_layout(Panel& panel, const PanelConfig& config,
                                           const std::filesystem::path& modules_dir) {
    std::vector<PanelLayout> layouts;
    try {
        for (const PanelWindow& window : config.windows) {
            layouts.push_back({window.section, window.width, window.height, {}});
            for (const PanelGaugeEntry& entry : window.gauges)
                layouts.back().gauges.push_back(load_entry(panel, config, entry, modules_dir));
        }
    } catch (...) {
        for (auto layout = layouts.rbegin(); layout != layouts.rend(); ++layout)
            for (auto placed = layout->gauges.rbegin(); placed != layout->gauges.rend(); ++placed)
                panel.unload_gauge(*placed->gauge);
        throw;
    }
    return layouts;
}

PIXPOINT face_point_in(const PlacedGauge& placed, PIXPOINT panel_point) {
    const PIXBOX& box = placed.box;
    if (box.width <= 0 || box.height <= 0) return {0, 0};
    const PIXPOINT face = placed.gauge->face_size();
    const int dx = panel_point.x - box.x, dy = panel_point.y - box.y;
    return {int(std::floor((dx + 0.5) * face.x / box.width)), int(std::floor((dy + 0.5) * face.y / box.height))};
}

std::optional<PanelHit> gauge_at(const PanelLayout& layout, PIXPOINT panel_point) {
    for (auto placed = layout.gauges.rbegin(); placed != layout.gauges.rend(); ++placed) {
        const PIXBOX& box = placed->box;
        const int dx = panel_point.x - box.x, dy = panel_point.y - box.y;
        if (dx < 0 || dy < 0 || dx >= box.width || dy >= box.height) continue;
        return PanelHit{&*placed, face_point_in(*placed, panel_point)};
    }
    return std::nullopt;
}

bool press_panel_point(Panel& panel, const PanelLayout& layout, PIXPOINT panel_point) {
    const std::optional<PanelHit> hit = gauge_at(layout, panel_point);
    return hit && panel.press(*hit->placed->gauge, hit->face_point);
}
