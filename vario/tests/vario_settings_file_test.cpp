// The variometer's settings from the flight computer's settings file: what each file
// content gives, and the files that must leave the settings alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "vario/vario_settings_file.h"

namespace {

namespace fs = std::filesystem;

// Settings unlike the initial ones, so that "unchanged" can be told from "reset".
constexpr VarioSettings EARLIER{3, 1, 7.5};

struct SettingsFile : ::testing::Test {
    fs::path dir;
    fs::path file;
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vario-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        file = dir / "T-KOR.QVD";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    void write(const std::string& content) { std::ofstream(file, std::ios::binary) << content; }
    VarioSettings read_over(VarioSettings settings) {
        read_vario_settings_file(file.string().c_str(), settings);
        return settings;
    }
};

void expect_settings(const VarioSettings& got, const VarioSettings& want, const std::string& label) {
    EXPECT_EQ(got.damping, want.damping) << label;
    EXPECT_EQ(got.scale, want.scale) << label;
    EXPECT_DOUBLE_EQ(got.compensation, want.compensation) << label;
}

TEST_F(SettingsFile, TakesTheSettingsOnlyWhenTheFirstLineHoldsA1) {
    struct Case {
        const char* label;
        std::string content;
        VarioSettings want;
    } cases[] = {
        {"the values at load", "1\n2\n2\n4.0\n", {2, 2, 4.0}},
        {"fast, halved, no compensation", "1\n1\n3\n0.0\n", {1, 3, 0.0}},
        {"computer off", "0\n1\n3\n0.0\n", EARLIER},
        {"empty file", "", EARLIER},
        {"first line 2", "2\n1\n3\n0.0\n", EARLIER},
        {"a 1 anywhere in line 1", "x1\n1\n3\n9.9\n", {1, 3, 9.9}},
        {"no line end at the last line", "1\n3\n1\n2.5", {3, 1, 2.5}},
        {"Windows line ends", "1\r\n3\r\n1\r\n2.5\r\n", {3, 1, 2.5}},
        {"blanks and signs", "1\n  +3\n -1\n  -0.5e1\n", {3, -1, -5.0}},
        {"words where numbers belong", "1\nfast\nx2\nslow\n", {0, 0, 0.0}},
        // Stored as read: the sampler gives any damping it has no window for the standard one.
        {"damping 7", "1\n7\n2\n4.0\n", {7, 2, 4.0}},
        // Missing lines are parsed from the last line read.
        {"only the line 1", "1\n", {1, 1, 1.0}},
        {"ends after line 3", "1\n3\n1\n", {3, 1, 1.0}},
        // A line longer than 11 characters comes in parts of 11, each part one line.
        {"long first line", "1 computer on\n3\n1\n2.5\n", {0, 3, 1.0}},
        {"long damping line", "1\n2          3\n1\n2.5\n", {2, 3, 1.0}},
    };
    for (const auto& c : cases) {
        write(c.content);
        expect_settings(read_over(EARLIER), c.want, c.label);
    }
}

TEST_F(SettingsFile, MissingFileIsCreatedEmptyAndChangesNothing) {
    expect_settings(read_over(EARLIER), EARLIER, "missing file");
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_F(SettingsFile, FileThatCannotBeOpenedOrMadeChangesNothing) {
    struct Case {
        const char* label;
        fs::path path;
    } cases[] = {
        {"in a folder that does not exist", dir / "no-such-folder" / "T-KOR.QVD"},
        {"a folder by that name", dir / "folder"},
    };
    fs::create_directory(dir / "folder");
    for (const auto& c : cases) {
        VarioSettings settings = EARLIER;
        read_vario_settings_file(c.path.string().c_str(), settings);
        expect_settings(settings, EARLIER, c.label);
    }
    EXPECT_FALSE(fs::exists(dir / "no-such-folder"));
}

}  // namespace
