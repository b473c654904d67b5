// Whole panels through the host: a configuration's gauges loaded into one panel, clicks
// in panel pixels reaching the gauge under them, and the glider panel drawn to PNG.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/core/host_error.h"
#include "host/core/panel_layout.h"
#include "host/render/panel_renderer.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

std::vector<PanelLayout> load_text(TestPanel& test, const std::string& text) {
    return load_panel_layout(test.panel, parse_panel_config(text, "test.cfg"), GAUGE_MODULE_DIR);
}

TEST(PanelLayout, GliderPanelLoadsSevenGaugesIntoOnePanel) {
    TestPanel test;
    const std::vector<PanelLayout> layouts =
        load_panel_layout(test.panel, read_panel_config(fs::path(PANELS_DIR) / "glider.cfg"), GAUGE_MODULE_DIR);
    ASSERT_EQ(layouts.size(), 1u);
    const PanelLayout& layout = layouts[0];
    EXPECT_EQ(test.panel.gauges().size(), 7u);
    struct Want {
        const char* name;
        PIXBOX box;
    } want[] = {
        {"Trim instelling", {16, 190, 72, 253}},  // 64 x 225 at 72 wide
        {"Luchtsnelheidsmeter (300 km/u)", {110, 30, 210, 210}},
        {"Hoogtemeter", {110, 290, 210, 212}},  // 319 x 322
        {"ZL_OSTRAND_ADI", {345, 50, 312, 312}},
        {"Halvor", {396, 390, 210, 212}},  // 235 x 237
        {"Corvantis VRX", {680, 20, 280, 280}},
        {"Corvantis T-KOR", {680, 320, 280, 280}},
    };
    ASSERT_EQ(layout.gauges.size(), std::size(want));
    for (size_t i = 0; i < layout.gauges.size(); ++i) {
        const PlacedGauge& placed = layout.gauges[i];
        EXPECT_EQ(placed.gauge->gauge_name(), want[i].name);
        EXPECT_EQ(placed.box.x, want[i].box.x) << want[i].name;
        EXPECT_EQ(placed.box.y, want[i].box.y) << want[i].name;
        EXPECT_EQ(placed.box.width, want[i].box.width) << want[i].name;
        EXPECT_EQ(placed.box.height, want[i].box.height) << want[i].name;
        EXPECT_LE(placed.box.x + placed.box.width, layout.width) << want[i].name << " fits the window";
        EXPECT_LE(placed.box.y + placed.box.height, layout.height) << want[i].name << " fits the window";
    }

    // One working folder: the variometer reads its settings file where the panel runs.
    test.panel.run_frames(2);
    EXPECT_TRUE(fs::exists(test.workdir.path / "T-KOR.QVD"));

    GaugeRenderer renderer;
    cairo_surface_t* image = render_panel(renderer, layout);
    EXPECT_EQ(cairo_image_surface_get_width(image), 980);
    EXPECT_EQ(cairo_image_surface_get_height(image), 620);
    write_png(image, (test_output_dir() / "panel-glider.png").string());
    cairo_surface_destroy(image);
}

TEST(PanelLayout, GaugesThatCannotBePlacedAreReportedAndNoneStayLoaded) {
    const std::string window = "[Window00]\nsize_mm=600,300\ngauge00=QT.SM-008!Luchtsnelheidsmeter (300 km/u), 0, 0, 200\n";
    struct Case {
        const char* label;
        std::string gauge_line;
        std::string message;
    } cases[] = {
        {"missing module", "gauge01=QT.NONE!Corvantis VRX, 300, 0\n", "test.cfg:4: cannot load QT.NONE: "},
        {"wrong gauge name", "gauge01=QT.VRX-80!Corvantis VRY, 300, 0\n",
         "test.cfg:4: module QT.VRX-80 holds the gauge \"Corvantis VRX\", not \"Corvantis VRY\""},
        {"same module twice", "gauge01=QT.SM-008!Luchtsnelheidsmeter (300 km/u), 300, 0\n", "test.cfg:4: cannot load QT.SM-008: "},
    };
    for (const auto& c : cases) {
        TestPanel test;
        try {
            load_text(test, window + c.gauge_line);
            ADD_FAILURE() << c.label << ": loaded";
        } catch (const HostError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << c.label << ": " << e.what();
        }
        EXPECT_TRUE(test.panel.gauges().empty()) << c.label;
    }
}

TEST(PanelLayout, PanelPointsMapToTheFacePixelsOfTheTopmostGauge) {
    TestPanel test;
    // The variometer (315 x 315) at half size, and the radio (235 x 237) overlapping its corner.
    const std::vector<PanelLayout> layouts = load_text(test,
        "[Window00]\nsize_mm=700,650\n"
        "gauge00=QT.VRX-80!Corvantis VRX, 100, 50, 157\n"
        "gauge01=QT.COM-002!Halvor, 200, 150, 470, 474\n");
    const PanelLayout& layout = layouts[0];
    struct Case {
        PIXPOINT panel;
        const char* gauge;  // nullptr: no gauge there
        PIXPOINT face;
    } cases[] = {
        {{100, 50}, "Corvantis VRX", {1, 1}},      // a panel pixel is two face pixels: the one under its centre
        {{256, 120}, "Corvantis VRX", {313, 141}},  // the last panel column of its box
        {{178, 129}, "Corvantis VRX", {157, 159}},  // the needle's pivot
        {{99, 50}, nullptr, {}},
        {{257, 100}, nullptr, {}},
        {{200, 150}, "Halvor", {0, 0}},  // over the variometer's corner: the later gauge is on top
        {{669, 399}, "Halvor", {234, 124}},
        {{669, 623}, "Halvor", {234, 236}},
        {{670, 300}, nullptr, {}},
    };
    for (const auto& c : cases) {
        const std::optional<PanelHit> hit = gauge_at(layout, c.panel);
        const std::string at = "(" + std::to_string(c.panel.x) + ", " + std::to_string(c.panel.y) + ")";
        if (c.gauge == nullptr) {
            EXPECT_FALSE(hit) << at;
            continue;
        }
        ASSERT_TRUE(hit) << at;
        EXPECT_EQ(hit->placed->gauge->gauge_name(), c.gauge) << at;
        EXPECT_EQ(hit->face_point.x, c.face.x) << at;
        EXPECT_EQ(hit->face_point.y, c.face.y) << at;
    }
}

}  // namespace
