// The run's pictures drawn with Cairo: the panel windows and the flight chart as PNG.
#include "run_pictures.h"

#include <cairo.h>

#include "host/render/gauge_renderer.h"
#include "host/render/panel_renderer.h"

struct RunPictures::Drawing {
    GaugeRenderer renderer;
};

RunPictures::RunPictures(std::filesystem::path out_dir)
    : out_dir_(std::move(out_dir)), drawing_(std::make_unique<Drawing>()) {}

RunPictures::~RunPictures() = default;

std::vector<std::filesystem::path> RunPictures::snapshot(const std::vector<PanelLayout>& layouts,
                                                         const std::string& name) {
    std::vector<std::filesystem::path> written;
    for (const PanelLayout& layout : layouts) {
        const std::string file = layouts.size() == 1 ? name + ".png" : name + "-" + layout.section + ".png";
        cairo_surface_t* image = render_panel(drawing_->renderer, layout);
        try {
            write_png(image, (out_dir_ / file).string());
        } catch (...) {
            cairo_surface_destroy(image);
            throw;
        }
        cairo_surface_destroy(image);
        written.push_back(out_dir_ / file);
    }
    return written;
}

std::optional<std::filesystem::path> RunPictures::chart(const std::vector<ChartSample>& samples) {
    if (samples.empty()) return std::nullopt;
    write_flight_chart(samples, out_dir_ / "flight-chart.png");
    return out_dir_ / "flight-chart.png";
}
