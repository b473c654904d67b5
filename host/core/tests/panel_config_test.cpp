// The panel configuration parser: what good files give, and a message naming file and
// line for each kind of bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/core/host_error.h"
#include "host/core/panel_config.h"

namespace {

TEST(PanelConfig, ReadsWindowsAndGaugeLinesInTheSimulatorsStyle) {
    const PanelConfig config = parse_panel_config(
        "\xEF\xBB\xBF// a comment\r\n"
        "; another\n"
        "[Window Titles]\n"
        "Window00=Main\n"
        "\n"
        "[Window00]\n"
        "size_mm=980, 620\n"
        "position=7\n"
        "gauge01 = QT.SM-008!Luchtsnelheidsmeter (300 km/u), 110, 30, 210\r\n"
        "gauge00=QT.TR-010!Trim instelling, -4, 190\n"
        "GAUGE02=QT.VRX-80!Corvantis VRX,680,20,280,300\n"
        "[Vcockpit01]\n"
        "gauge00=ignored!whatever, x, y\n"
        "[window01]\n"
        "size_mm=329,174\n",
        "good.cfg");
    ASSERT_EQ(config.windows.size(), 2u);
    const PanelWindow& main = config.windows[0];
    EXPECT_EQ(main.section, "Window00");
    EXPECT_EQ(main.width, 980);
    EXPECT_EQ(main.height, 620);
    ASSERT_EQ(main.gauges.size(), 3u);
    struct Want {
        const char* module;
        const char* name;
        int x, y, width, height, line;
    } want[] = {
        {"QT.TR-010", "Trim instelling", -4, 190, 0, 0, 10},  // drawn in the order of their numbers
        {"QT.SM-008", "Luchtsnelheidsmeter (300 km/u)", 110, 30, 210, 0, 9},
        {"QT.VRX-80", "Corvantis VRX", 680, 20, 280, 300, 11},
    };
    for (size_t i = 0; i < main.gauges.size(); ++i) {
        const PanelGaugeEntry& got = main.gauges[i];
        EXPECT_EQ(got.module, want[i].module) << i;
        EXPECT_EQ(got.gauge_name, want[i].name) << i;
        EXPECT_EQ(got.x, want[i].x) << i;
        EXPECT_EQ(got.y, want[i].y) << i;
        EXPECT_EQ(got.width, want[i].width) << i;
        EXPECT_EQ(got.height, want[i].height) << i;
        EXPECT_EQ(got.line, want[i].line) << i;
    }
    EXPECT_EQ(config.windows[1].section, "window01");
    EXPECT_TRUE(config.windows[1].gauges.empty());
}

TEST(PanelConfig, RejectsBadInputNamingFileAndLine) {
    const std::string window = "[Window00]\nsize_mm=100,100\n";
    struct Case {
        const char* label;
        std::string text;
        std::string message;
    } cases[] = {
        {"empty file", "", "bad.cfg: no [WindowNN] section"},
        {"only other sections", "[Window Titles]\nWindow00=Main\n", "bad.cfg: no [WindowNN] section"},
        {"key before any section", "size_mm=1,1\n", "bad.cfg:1: KEY=VALUE before the first [SECTION]"},
        {"line without =", window + "gauge00 QT.VRX-80\n", "bad.cfg:3: expected KEY=VALUE or [SECTION]"},
        {"unclosed section", "[Window00\n", "bad.cfg:1: section header without its closing ]"},
        {"window twice", window + "[WINDOW00]\nsize_mm=1,1\n", "bad.cfg:3: [WINDOW00] appears a second time"},
        {"no size_mm", "[Window00]\ngauge00=a!b,0,0\n", "bad.cfg:1: [Window00] has no size_mm"},
        {"size_mm of one number", "[Window00]\nsize_mm=100\n", "bad.cfg:2: size_mm needs WIDTH,HEIGHT"},
        {"size_mm of zero", "[Window00]\nsize_mm=0,100\n", "bad.cfg:2: size_mm width must be greater than 0"},
        {"gauge without !", window + "gauge00=QT.VRX-80, 0, 0\n", "bad.cfg:3: gauge00: expected MODULE!GAUGE NAME"},
        {"empty module", window + "gauge00=!Corvantis VRX, 0, 0\n", "bad.cfg:3: gauge00: the module name before ! is empty"},
        {"empty gauge name", window + "gauge00=QT.VRX-80! , 0, 0\n", "bad.cfg:3: gauge00: the gauge name after ! is empty"},
        {"module as a path", window + "gauge00=../../etc/x!y, 0, 0\n", "bad.cfg:3: gauge00: a module name, not a path"},
        {"module with a backslash", window + "gauge00=a\\b!y, 0, 0\n", "bad.cfg:3: gauge00: a module name, not a path"},
        {"too few fields", window + "gauge00=a!b, 0\n", "bad.cfg:3: gauge00 needs MODULE!GAUGE NAME, X, Y"},
        {"too many fields", window + "gauge00=a!b, 0, 0, 1, 1, 1\n", "bad.cfg:3: gauge00 needs"},
        {"x not a number", window + "gauge00=a!b, left, 0\n", "bad.cfg:3: x must be a whole number, got \"left\""},
        {"y with a fraction", window + "gauge00=a!b, 0, 1.5\n", "bad.cfg:3: y must be a whole number"},
        {"empty width", window + "gauge00=a!b, 0, 0, \n", "bad.cfg:3: width must be a whole number"},
        {"negative width", window + "gauge00=a!b, 0, 0, -80\n", "bad.cfg:3: width must be greater than 0"},
        {"huge x", window + "gauge00=a!b, 99999999999, 0\n", "bad.cfg:3: x is out of range"},
        {"x beyond any panel", window + "gauge00=a!b, 5000000, 0\n", "bad.cfg:3: x is out of range"},
        {"gauge number twice", window + "gauge00=a!b,0,0\ngauge0=c!d,0,0\n", "bad.cfg:4: gauge0 appears a second time"},
        {"gauge number too long", window + "gauge12345678=a!b,0,0\n", "bad.cfg:3: gauge number too long"},
    };
    for (const auto& c : cases) {
        try {
            parse_panel_config(c.text, "bad.cfg");
            ADD_FAILURE() << c.label << ": accepted";
        } catch (const HostError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << c.label << ": " << e.what();
        }
    }
}

TEST(PanelConfig, ReportsFilesItCannotRead) {
    struct Case {
        const char* label;
        std::filesystem::path path;
    } cases[] = {
        {"missing", "/nonexistent/panel.cfg"},
        {"a folder", std::filesystem::temp_directory_path()},
    };
    for (const auto& c : cases) {
        try {
            read_panel_config(c.path);
            ADD_FAILURE() << c.label << ": accepted";
        } catch (const HostError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.path.string() + ": ", 0), 0u) << c.label << ": " << e.what();
        }
    }
}

TEST(PanelConfig, TheRepositorysPanelsParse) {
    struct Case {
        const char* file;
        size_t gauges;
    } cases[] = {{"trainer.cfg", 1}, {"glider.cfg", 7}};
    for (const auto& c : cases) {
        const PanelConfig config = read_panel_config(std::filesystem::path(PANELS_DIR) / c.file);
        ASSERT_EQ(config.windows.size(), 1u) << c.file;
        EXPECT_EQ(config.windows[0].gauges.size(), c.gauges) << c.file;
    }
}

}  // namespace
