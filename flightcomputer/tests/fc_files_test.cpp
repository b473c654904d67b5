// The flight computer's shared files: the settings file it writes for the variometer and
// the navigation file it reads, including files that are missing, odd or in the way.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "flightcomputer/buttons.h"
#include "flightcomputer/nav_file.h"
#include "flightcomputer/settings_file.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

std::string file_text(const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_file(const char* name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(SettingsFile, FourLinesFromTheStateAtEveryRun) {
    struct Case {
        const char* name;
        void (*change)(ComputerState&);
        const char* text;
    } cases[] = {
        {"at load, switched on", [](ComputerState& s) { s.power_on = 1; }, "1\n2\n2\n4.0\n"},
        {"switched off", [](ComputerState&) {}, "0\n2\n2\n4.0\n"},
        {"compensation 9.9 and a slow filter",
         [](ComputerState& s) { s.power_on = 1, s.compensation = 9.9, s.vario_filter = 3; }, "1\n3\n2\n9.9\n"},
        {"compensation 0.0 and scale x 2",
         [](ComputerState& s) { s.compensation = 0.0, s.vario_scale = 3; }, "0\n2\n3\n0.0\n"},
        {"compensation just below 9.9 after 59 steps",
         [](ComputerState& s) {
             s.page = PAGE_COMPENSATION;
             for (int i = 0; i < 59; ++i) press_up(s);
         },
         "0\n2\n2\n9.9\n"},
    };
    TemporaryWorkdir workdir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write_file(SETTINGS_FILE_NAME, "a longer text from before\n\n\n\n\n\n");
        ComputerState state;
        c.change(state);
        write_settings_file(state);
        EXPECT_EQ(file_text(SETTINGS_FILE_NAME), c.text) << "rewritten in full";
    }
}

TEST(SettingsFile, ANameThatCannotBeWrittenIsLeftAlone) {
    TemporaryWorkdir workdir;
    fs::create_directory(SETTINGS_FILE_NAME);  // neither writable nor appendable
    ComputerState state;
    write_settings_file(state);
    EXPECT_TRUE(fs::is_directory(SETTINGS_FILE_NAME));
}

struct NavCase {
    const char* name;
    std::string contents;
    int32_t valid;
    double elevation, distance, ground_speed;
};

void expect_nav(const ComputerState& state, const NavCase& c) {
    EXPECT_EQ(state.nav_valid, c.valid);
    EXPECT_EQ(state.goal_elevation, c.elevation);
    EXPECT_EQ(state.goal_distance, c.distance);
    EXPECT_EQ(state.ground_speed, c.ground_speed);
}

TEST(NavFile, ValidityAndTheThreeFields) {
    const NavCase cases[] = {
        {"six lines", "1\n350\n25\n7\n8\n80\n", 1, 350, 25, 80},
        {"first line 10", "10\n350\n25\n7\n8\n80\n", 1, 350, 25, 80},
        {"first line x1", "x1\n350\n25\n7\n8\n80\n", 1, 350, 25, 80},
        {"first line 0", "0\n350\n25\n7\n8\n80\n", 0, 0, 0, 0},
        {"first line 2", "2\n350\n25\n7\n8\n80\n", 0, 0, 0, 0},
        {"empty first line", "\n350\n25\n7\n8\n80\n", 0, 0, 0, 0},
        {"empty file", "", 0, 0, 0, 0},
        {"leading blanks and a unit", "1\n   -12.5km\n0\n0\n0\n0\n", 1, -12.5, 0, 0},
        {"letters", "1\nabc\n25\n\n\nfast\n", 1, 0, 25, 0},
        {"ends after line 3: the last line repeats", "1\n350\n25\n", 1, 350, 25, 25},
        {"ends after line 3 without a line end", "1\n350\n25", 1, 350, 25, 25},
        {"a long first line is judged on 11 characters, its rest is line 2",
         "1xxxxxxxxxx350\n25\n", 1, 350, 25, 25},
        {"a 1 past the first 11 characters does not count", "xxxxxxxxxxx1\n350\n", 0, 0, 0, 0},
        {"CR LF line ends", "1\r\n350\r\n25\r\n7\r\n8\r\n80\r\n", 1, 350, 25, 80},
        {"inf, nan and hexadecimal are no numbers", "1\ninf\nnan\n\n\n0x50\n", 1, 0, 0, 0},
        {"a number too large for a double", "1\n1e999\n25\n\n\n80\n", 1, 0, 25, 80},
    };
    TemporaryWorkdir workdir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write_file(NAV_FILE_NAME, c.contents);
        ComputerState state;
        state.goal_elevation = state.goal_distance = state.ground_speed = 99.0;
        read_nav_file(state);
        expect_nav(state, c);
    }
}

TEST(NavFile, AnInvalidFileClearsTheWindOfThisRun) {
    TemporaryWorkdir workdir;
    write_file(NAV_FILE_NAME, "0\n");
    ComputerState state;
    state.nav_valid = 1;
    state.wind = 12.3;
    read_nav_file(state);
    EXPECT_EQ(state.wind, 0.0);
    write_file(NAV_FILE_NAME, "1\n350\n25\n0\n0\n80\n");
    state.wind = 12.3;
    read_nav_file(state);
    EXPECT_EQ(state.wind, 12.3) << "a valid file leaves the wind to update_wind";
}

TEST(NavFile, AMissingFileIsCreatedEmptyAndReadAsInvalid) {
    TemporaryWorkdir workdir;
    ComputerState state;
    state.nav_valid = 1;
    state.goal_distance = 25.0;
    read_nav_file(state);
    EXPECT_TRUE(fs::exists(NAV_FILE_NAME));
    EXPECT_EQ(fs::file_size(NAV_FILE_NAME), 0u);
    expect_nav(state, {"", "", 0, 0, 0, 0});
}

TEST(NavFile, FilesInTheWayReadAsInvalid) {
    struct Case {
        const char* name;
        void (*make)();
    } cases[] = {
        {"a directory", [] { fs::create_directory(NAV_FILE_NAME); }},
        {"a binary file", [] { write_file(NAV_FILE_NAME, std::string("\x00\xff\x80\x01\n\x00\xfe", 7)); }},
        {"a huge file with no line end",
         [] { write_file(NAV_FILE_NAME, std::string(8 << 20, '7')); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryWorkdir workdir;
        c.make();
        ComputerState state;
        state.nav_valid = 1;
        state.wind = 5.0;
        read_nav_file(state);
        expect_nav(state, {"", "", 0, 0, 0, 0});
        EXPECT_EQ(state.wind, 0.0);
    }
}

TEST(NavFile, AHugeFileGivesItsFirstLines) {
    TemporaryWorkdir workdir;
    std::string contents = "1\n350\n25\n0\n0\n80\n";
    contents += std::string(8 << 20, 'x');
    write_file(NAV_FILE_NAME, contents);
    ComputerState state;
    read_nav_file(state);
    expect_nav(state, {"", "", 1, 350, 25, 80});
    // A huge first line: 11-character chunks, the digits giving a large but finite number.
    write_file(NAV_FILE_NAME, "1" + std::string(8 << 20, '9'));
    read_nav_file(state);
    EXPECT_EQ(state.nav_valid, 1);
    EXPECT_EQ(state.goal_elevation, 99999999999.0);
    EXPECT_EQ(state.ground_speed, 99999999999.0);
}

TEST(NavFile, AnUnreadableFileReadsAsInvalid) {
    TemporaryWorkdir workdir;
    write_file(NAV_FILE_NAME, "1\n350\n25\n0\n0\n80\n");
    fs::permissions(NAV_FILE_NAME, fs::perms::none);
    if (std::FILE* file = std::fopen(NAV_FILE_NAME, "rt")) {
        std::fclose(file);
        GTEST_SKIP() << "this user reads files without read permission";
    }
    ComputerState state;
    state.nav_valid = 1;
    read_nav_file(state);
    expect_nav(state, {"", "", 0, 0, 0, 0});
}

// The navigation program may rewrite the file at any moment; whatever the reader finds,
// it stays finite and an invalid reading is all zeros.
TEST(NavFile, AFileRewrittenWhileReadGivesFiniteValues) {
    TemporaryWorkdir workdir;
    std::atomic<bool> done = false;
    std::thread writer([&done] {
        const char* versions[] = {"1\n350\n25\n0\n0\n80\n", "", "1\n1200.5\n", "0\n"};
        for (int i = 0; !done; ++i) {
            if (std::FILE* file = std::fopen(NAV_FILE_NAME, "wb")) {
                std::fputs(versions[i % 4], file);
                std::fclose(file);
            }
        }
    });
    ComputerState state;
    int valid_reads = 0;
    for (int i = 0; i < 2000; ++i) {
        read_nav_file(state);
        ASSERT_TRUE(std::isfinite(state.goal_elevation) && std::isfinite(state.goal_distance) &&
                    std::isfinite(state.ground_speed));
        if (state.nav_valid)
            ++valid_reads;
        else
            ASSERT_EQ(state.goal_elevation + state.goal_distance + state.ground_speed + state.wind, 0.0);
    }
    done = true;
    writer.join();
    RecordProperty("valid_reads", valid_reads);
}

}  // namespace
