// The pictures a run leaves beside its trace: the panel snapshots and the flight chart.
// Drawn with Cairo on Linux; the Windows panel.exe has no drawing and leaves none.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "flight_chart.h"
#include "host/core/panel_layout.h"

class RunPictures {
public:
    explicit RunPictures(std::filesystem::path out_dir);
    ~RunPictures();
    RunPictures(const RunPictures&) = delete;
    RunPictures& operator=(const RunPictures&) = delete;

    // Draws every window of the panel to NAME.png (NAME-SECTION.png when there are
    // several) and returns the files written; none without drawing.
    std::vector<std::filesystem::path> snapshot(const std::vector<PanelLayout>& layouts, const std::string& name);
    // Draws flight-chart.png and returns it; nothing without drawing.
    std::optional<std::filesystem::path> chart(const std::vector<ChartSample>& samples);

private:
    struct Drawing;  // the renderer, where there is one
    std::filesystem::path out_dir_;
    std::unique_ptr<Drawing> drawing_;
};
