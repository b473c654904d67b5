// The navigation program's file: its lines, its timing, its modes and its atomic write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/sim/navigation_program.h"

namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Folder {
    Folder() : path(std::filesystem::temp_directory_path() / ("navtest-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

const NavigationFix fix{350, 27.456, 12.4, 8.6, 93.27};

TEST(NavigationFile, ValidAndInvalidTexts) {
    EXPECT_EQ(lines_of(navigation_file_text(true, fix)),
              (std::vector<std::string>{"1", "350", "27.46", "12", "9", "93.3"}));
    const auto invalid = lines_of(navigation_file_text(false, fix));
    ASSERT_EQ(invalid.size(), 6u);
    EXPECT_EQ(invalid[0].find('1'), std::string::npos);
    // The reader takes eleven characters at a time: every line, line end included, fits.
    const NavigationFix far{9999, 999.99, 359.6, 359.6, -999.9};
    for (const auto& line : lines_of(navigation_file_text(true, far))) EXPECT_LE(line.size() + 1, 11u) << line;
}

TEST(NavigationFile, WrittenOnceASecondUnlessOff) {
    Folder folder;
    NavigationProgram program;
    program.folder = folder.path;
    const auto file = folder.path / NAVIGATION_FILE_NAME;
    EXPECT_TRUE(program.step(0, fix));
    EXPECT_EQ(read_file(file), navigation_file_text(true, fix));
    EXPECT_FALSE(program.step(999, {}));
    EXPECT_EQ(read_file(file), navigation_file_text(true, fix));
    EXPECT_TRUE(program.step(1000, {}));
    EXPECT_EQ(read_file(file), navigation_file_text(true, {}));

    program.mode = NavigationMode::Invalid;
    EXPECT_TRUE(program.step(2055, fix));
    EXPECT_EQ(read_file(file)[0], '0');
    program.mode = NavigationMode::Off;
    EXPECT_FALSE(program.step(3000, fix));
    EXPECT_EQ(read_file(file)[0], '0');  // left as it was

    // Nothing of the write is left beside the file.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path)) ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(NavigationFile, AWriteThatFailsSaysWhere) {
    NavigationProgram program;
    program.folder = "/nonexistent-folder/for-the-nav-test";
    try {
        program.step(0, fix);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent-folder/for-the-nav-test/GPSNAV.QVD"), std::string::npos) << e.what();
    }
}

}  // namespace
