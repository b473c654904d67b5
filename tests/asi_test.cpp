// The airspeed indicator end to end: its callback, its needle through the host, the
// order of its routines' calls, its exports, and what the drawn face shows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <set>

#include "asi/asi_needle.h"
#include "asi/asi_scale.h"
#include "host/render/gauge_renderer.h"
#include "test_support.h"

namespace {

const double ASI_ROW_DIRECTIONS[ASI_TABLE_ROWS] = {88.6, 113.5, 160.8, 215.8, 262.2,
                                                   305.7, 364.7, 447.7, 523.9, 591.3};

TEST(AsiNeedleCallback, LimitsAt300KmhOnly) {
    struct Case {
        double knots, shown;
    } cases[] = {{0, 0}, {21.6, 21.6}, {54, 54}, {81, 81}, {108, 108}, {162, 162}, {200, 162}, {-5, -5}};
    for (const auto& c : cases) {
        MODULE_VAR airspeed{0x3D, nullptr, 0, {}, {}};
        airspeed.var_value.n = c.knots;
        EXPECT_DOUBLE_EQ(asi_needle_cb(&airspeed), c.shown) << c.knots << " knots";
    }
}

struct AsiOnPanel : ::testing::Test {
    TestPanel test;
    GaugeInstance* gauge = nullptr;
    void SetUp() override { gauge = &test.panel.load_gauge(module_path("QT.SM-008")); }
    ElementState& needle() { return gauge->chain().elements().at(1); }
    // Enough frames for the needle to reach any goal at 10 degrees a frame.
    void settle(double knots) {
        test.aircraft.set(TOKEN_AIRSPEED, knots);
        test.panel.run_frames(60);
    }
};

TEST_F(AsiOnPanel, NeedlePointsAtEveryRowAndMidwayBetween) {
    for (int row = 0; row < ASI_TABLE_ROWS; ++row) {
        settle(asi_nonlinearity[row].value);
        EXPECT_NEAR(needle().angle, ASI_ROW_DIRECTIONS[row], 0.1) << "row " << row;
    }
    for (int row = 0; row + 1 < ASI_TABLE_ROWS; ++row) {
        settle((asi_nonlinearity[row].value + asi_nonlinearity[row + 1].value) / 2);
        EXPECT_NEAR(needle().angle, (ASI_ROW_DIRECTIONS[row] + ASI_ROW_DIRECTIONS[row + 1]) / 2, 0.1)
            << "midway after row " << row;
    }
    settle(200);
    EXPECT_NEAR(needle().angle, 591.3, 0.1) << "above 300 km/h the needle stays at the end";
    settle(-5);
    EXPECT_NEAR(needle().angle, 88.6, 0.1) << "below 0 the needle stays at the start";
}

TEST_F(AsiOnPanel, NeedleTurnsAtMostTenDegreesAnUpdate) {
    settle(0);
    test.aircraft.set(TOKEN_AIRSPEED, 162);
    double previous = needle().angle;
    int frames = 0;
    while (std::abs(needle().angle - 591.3) > 0.1 && frames < 100) {
        test.panel.run_frame();
        ++frames;
        EXPECT_LE(needle().angle - previous, 10.0 + 1e-9);
        previous = needle().angle;
    }
    EXPECT_EQ(frames, 51) << "502.7 degrees at 10 a frame";
}

TEST_F(AsiOnPanel, FreezeKeepsTheNeedleAndClearingTheFailureReleasesIt) {
    settle(54);
    test.panel.set_failure(6, true);
    settle(108);
    EXPECT_NEAR(needle().angle, 262.2, 0.1);
    test.panel.set_failure(6, false);
    settle(108);
    EXPECT_NEAR(needle().angle, 447.7, 0.1);
}

TEST(AsiRoutines, InstallAndKillCallTheHostInOrder) {
    TestPanel test;
    test.panel.record_calls(true);
    GaugeInstance& gauge = test.panel.load_gauge(module_path("QT.SM-008"));
    std::vector<std::string> install;
    for (const auto& call : test.panel.calls()) install.push_back(call.operation);
    EXPECT_EQ(install, (std::vector<std::string>{"element_list_query", "element_list_install", "mouse_list_install",
                                                 "mouse_list_register", "element_list_initialize"}));
    // The face size is handed over as a pointer into the host's image record of the root.
    auto* face = reinterpret_cast<ELEMENT_STATIC_IMAGE*>(gauge.root());
    const PanelCall& mouse_install = test.panel.calls().at(2);
    EXPECT_EQ(mouse_install.args[2], reinterpret_cast<uintptr_t>(&face->image_data->dim));
    EXPECT_EQ(gauge.face_size().x, ASI_FACE_SIZE);
    EXPECT_EQ(gauge.face_size().y, ASI_FACE_SIZE);
    // Its mouse list is a parent with the help id and nothing to click.
    EXPECT_TRUE(gauge.mouse().registered());
    EXPECT_TRUE(gauge.mouse().areas().empty());
    EXPECT_EQ(gauge.mouse().help_id_at({157, 157}), 0xA302u);

    test.panel.clear_calls();
    test.panel.unload_gauge(gauge);
    ASSERT_GE(test.panel.calls().size(), 2u);
    EXPECT_EQ(test.panel.calls()[0].operation, "mouse_list_unregister");
    EXPECT_EQ(test.panel.calls()[1].operation, "element_list_kill");
}

TEST(AsiModule, ExportsExactlyItsTwoRecords) {
    std::string command = "nm -D --defined-only '" + module_path("QT.SM-008") + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> symbols;
    char line[512];
    while (fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        auto name = text.substr(text.find_last_of(' ') + 1);
        name.erase(name.find_last_not_of("\r\n") + 1);
        symbols.insert(name);
    }
    ASSERT_EQ(pclose(pipe), 0);
    EXPECT_EQ(symbols, (std::set<std::string>{"Linkage", "ImportTable"}));
}

// What a person would check on the drawn gauge: the needle's tip lies on the mark of
// the speed flown. The needle is white; the dial around the mark is dark.
double brightness_at(cairo_surface_t* surface, double x, double y) {
    int stride = cairo_image_surface_get_stride(surface);
    auto* row = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface) + int(y) * stride);
    uint32_t pixel = row[int(x)];
    return (((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3.0;
}

TEST_F(AsiOnPanel, DrawnNeedleLiesOnTheMarkOfTheSpeedFlown) {
    GaugeRenderer renderer;
    struct Case {
        int row;
    } cases[] = {{4}, {6}, {7}};  // 100, 150 and 200 km/h
    for (const auto& c : cases) {
        settle(asi_nonlinearity[c.row].value);
        cairo_surface_t* image = renderer.render(*gauge, 1.0);
        cairo_surface_flush(image);
        // A point on the needle's line, 12 pixels short of the mark, and points 12 pixels
        // to either side across the line.
        PIXPOINT mark = asi_nonlinearity[c.row].pt;
        double dx = mark.x - ASI_PIVOT.x, dy = mark.y - ASI_PIVOT.y, length = std::hypot(dx, dy);
        double ux = dx / length, uy = dy / length;
        double on_x = mark.x - 12 * ux, on_y = mark.y - 12 * uy;
        double on_line = brightness_at(image, on_x, on_y);
        double beside = std::max(brightness_at(image, on_x - 12 * uy, on_y + 12 * ux),
                                 brightness_at(image, on_x + 12 * uy, on_y - 12 * ux));
        bool ok = on_line > 150 && on_line > beside + 60;
        if (!ok) {
            auto path = test_output_dir() / ("asi-row-" + std::to_string(c.row) + ".png");
            write_png(image, path.string());
            ADD_FAILURE() << "row " << c.row << ": needle brightness " << on_line << ", beside " << beside
                          << "; look at " << path;
        }
        cairo_surface_destroy(image);
    }
}

}  // namespace
