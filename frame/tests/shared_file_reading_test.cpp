// The line reader and the lenient number parsers behind the gauges' shared text files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/lenient_number.h"
#include "frame/settings_line_reader.h"

namespace {

namespace fs = std::filesystem;

TEST(LenientNumber, DoubleTakesTheLongestDecimalPrefix) {
    struct Case {
        const char* name;
        std::string text;
        double value;
    } cases[] = {
        {"plain", "4.0\n", 4.0},
        {"leading blanks and a unit", "  \t-12.5km\n", -12.5},
        {"plus sign", "+3", 3.0},
        {"letters", "abc", 0.0},
        {"empty", "", 0.0},
        {"a sign alone", "-\n", 0.0},
        {"a point alone", ".", 0.0},
        {"fraction without whole part", "-.5", -0.5},
        {"point without fraction", "7.", 7.0},
        {"exponent", "1.5e3", 1500.0},
        {"exponent with sign", "25E-1x", 2.5},
        {"e without digits stops before it", "12e", 12.0},
        {"e with a sign alone stops before it", "12e+", 12.0},
        {"a second point ends the number", "1.2.3", 1.2},
        {"blank between sign and digits", "- 5", 0.0},
        {"inf is not a number", "inf", 0.0},
        {"infinity is not a number", "-Infinity", 0.0},
        {"nan is not a number", "nan", 0.0},
        {"hexadecimal gives its leading 0", "0x1A", 0.0},
        {"hexadecimal float gives its leading 0", "0x1p3", 0.0},
        {"too large for a double", "1e999", 0.0},
        {"too small to tell from zero", "1e-999", 0.0},
        {"a zero byte ends the number", std::string("12\0" "3", 4), 12.0},
        {"carriage return line end", "350\r\n", 350.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parse_lenient_double(c.text), c.value);
    }
}

TEST(LenientNumber, IntTakesSignAndDigits) {
    struct Case {
        const char* name;
        const char* text;
        int32_t value;
    } cases[] = {
        {"one digit", "3\n", 3},
        {"leading blanks", "   2", 2},
        {"negative", "-7", -7},
        {"plus", "+4", 4},
        {"stops at the point", "2.9", 2},
        {"letters", "x1", 0},
        {"empty", "", 0},
        {"hexadecimal gives its leading 0", "0x10", 0},
        {"beyond the range stays at its top", "99999999999999999999", 2147483647},
        {"beyond the range below stays at its bottom", "-99999999999999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parse_lenient_int(c.text), c.value);
    }
}

// A file in the test's own scratch folder under the build's test output, removed with it.
class SharedFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::path(TEST_OUTPUT_DIR) / (std::string("shared-file-") + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path write(const char* name, const std::string& bytes) {
        const fs::path path = folder_ / name;
        std::FILE* file = std::fopen(path.string().c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        return path;
    }
    fs::path folder_;
};

TEST_F(SharedFileTest, ReadsAtMostElevenCharactersARead) {
    struct Case {
        const char* name;
        std::string contents;
        std::vector<std::string> reads;  // what each read leaves in the buffer
        std::vector<bool> succeeded;
    } cases[] = {
        {"four short lines", "1\n2\n2\n4.0\n", {"1\n", "2\n", "2\n", "4.0\n"}, {true, true, true, true}},
        {"a last line without line end", "1\n350", {"1\n", "350"}, {true, true}},
        {"ten characters and the line feed fit", "0123456789\nx\n", {"0123456789\n", "x\n"}, {true, true}},
        {"eleven characters leave the line feed as the next line",
         "01234567891\n5\n", {"01234567891", "\n", "5\n"}, {true, true, true}},
        {"a long line comes in chunks", "aaaaaaaaaaabbbbbbbbbbbcc\n",
         {"aaaaaaaaaaa", "bbbbbbbbbbb", "cc\n"}, {true, true, true}},
        {"the end of the file keeps the last line", "1\n350\n25\n",
         {"1\n", "350\n", "25\n", "25\n", "25\n", "25\n"}, {true, true, true, false, false, false}},
        {"an empty file keeps the empty buffer", "", {"", ""}, {false, false}},
        {"an empty line is a line", "\n7\n", {"\n", "7\n"}, {true, true}},
        {"zero bytes are kept", std::string("1\0" "2\n", 4), {std::string("1\0" "2\n", 4)}, {true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::FILE* file = std::fopen(write("lines.txt", c.contents).string().c_str(), "rt");
        ASSERT_NE(file, nullptr);
        SettingsLineReader reader(file);
        for (std::size_t i = 0; i < c.reads.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(reader.read_line(), c.succeeded[i]);
            EXPECT_EQ(reader.text(), c.reads[i]);
        }
        std::fclose(file);
    }
}

TEST_F(SharedFileTest, ContainsLooksAtTheWholeBuffer) {
    std::FILE* file = std::fopen(write("first.txt", std::string("x\0" "1\n", 4)).string().c_str(), "rt");
    SettingsLineReader reader(file);
    EXPECT_FALSE(reader.contains('1')) << "nothing read yet";
    reader.read_line();
    EXPECT_TRUE(reader.contains('1'));
    EXPECT_FALSE(reader.contains('0'));
    std::fclose(file);
}

TEST_F(SharedFileTest, ADirectoryOrNoFileReadsNothing) {
    SettingsLineReader no_file(nullptr);
    EXPECT_FALSE(no_file.read_line());
    EXPECT_EQ(no_file.text(), "");
    // Some systems open a directory for reading; its reads then fail.
    if (std::FILE* file = std::fopen(folder_.string().c_str(), "rt")) {
        SettingsLineReader reader(file);
        EXPECT_FALSE(reader.read_line());
        std::fclose(file);
    }
}

TEST_F(SharedFileTest, OpeningAMissingFileCreatesItEmpty) {
    const fs::path path = folder_ / "NEW.QVD";
    std::FILE* file = open_shared_file_for_reading(path.string().c_str());
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
    std::fclose(file);

    write("KEPT.QVD", "1\n");
    file = open_shared_file_for_reading((folder_ / "KEPT.QVD").string().c_str());
    SettingsLineReader reader(file);
    EXPECT_TRUE(reader.read_line());
    EXPECT_EQ(reader.text(), "1\n") << "an existing file is read, not emptied";
    std::fclose(file);

    EXPECT_EQ(open_shared_file_for_reading((folder_ / "no-folder" / "X.QVD").string().c_str()), nullptr);
}

}  // namespace
