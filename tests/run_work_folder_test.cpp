// The folder a run's gauges work in: on tmpfs with its files kept in the run folder,
// or the folder asked for, left as it is.
#include <gtest/gtest.h>

#include <fstream>

#include "host/cli/run_work_folder.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::string contents_of(const fs::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(RunWorkFolder, WorksOnTmpfsAndKeepsTheFilesInTheRunFolder) {
    if (!fs::is_directory("/dev/shm")) GTEST_SKIP() << "no /dev/shm here";
    TemporaryWorkdir test;
    const fs::path run_dir = test.path / "run";
    fs::path worked_in;
    {
        RunWorkFolder work("", run_dir);
        worked_in = work.path();
        EXPECT_TRUE(work.on_tmpfs());
        EXPECT_EQ(worked_in.parent_path(), "/dev/shm");
        EXPECT_EQ(fs::current_path(), worked_in);
        std::ofstream("T-KOR.QVD") << "1\n2\n0\n1.5\n";
        work.keep_files();
        EXPECT_EQ(work.kept(), run_dir / "work");
    }
    EXPECT_EQ(fs::current_path(), test.path);
    EXPECT_FALSE(fs::exists(worked_in));
    EXPECT_EQ(contents_of(run_dir / "work" / "T-KOR.QVD"), "1\n2\n0\n1.5\n");
}

TEST(RunWorkFolder, AFolderAskedForIsUsedAndLeftAsItIs) {
    TemporaryWorkdir test;
    const fs::path asked = test.path / "asked";
    {
        RunWorkFolder work(asked.string(), test.path / "run");
        EXPECT_FALSE(work.on_tmpfs());
        EXPECT_EQ(fs::current_path(), asked);
        std::ofstream("GPSNAV.QVD") << "1\n";
        work.keep_files();
    }
    EXPECT_EQ(contents_of(asked / "GPSNAV.QVD"), "1\n");
    EXPECT_FALSE(fs::exists(test.path / "run" / "work"));
}

// A run that fails before keeping its files still leaves no folder behind on tmpfs.
TEST(RunWorkFolder, AFailedRunLeavesNothingOnTmpfs) {
    if (!fs::is_directory("/dev/shm")) GTEST_SKIP() << "no /dev/shm here";
    TemporaryWorkdir test;
    fs::path worked_in;
    try {
        RunWorkFolder work("", test.path / "run");
        worked_in = work.path();
        std::ofstream("T-KOR.QVD") << "0\n";
        throw std::runtime_error("the scenario failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(fs::exists(worked_in));
    EXPECT_EQ(fs::current_path(), test.path);
}

}  // namespace
