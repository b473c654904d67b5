// The run's pictures where the host has no drawing (the Windows panel.exe): none are
// made, and the trace and the summary are the whole result.
#include "run_pictures.h"

struct RunPictures::Drawing {};

RunPictures::RunPictures(std::filesystem::path out_dir) : out_dir_(std::move(out_dir)) {}

RunPictures::~RunPictures() = default;

std::vector<std::filesystem::path> RunPictures::snapshot(const std::vector<PanelLayout>&, const std::string&) {
    return {};
}

std::optional<std::filesystem::path> RunPictures::chart(const std::vector<ChartSample>&) { return std::nullopt; }
