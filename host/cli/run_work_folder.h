// The folder the gauges and the navigation program work in during a run: one on tmpfs
// when the machine has one, its files copied into the run folder when the run ends.
#pragma once

#include <filesystem>
#include <string>

// The flight computer rewrites its settings file on every title update and the
// variometer reads it back every frame; on a disk each truncating rewrite waits for the
// file system (about 11 ms on ext4), on tmpfs it costs microseconds. So unless a
// folder is asked for, the run works in a fresh folder under /dev/shm and leaves copies
// of the files there in the run folder's work/; without /dev/shm it works in work/.
class RunWorkFolder {
public:
    // requested: the folder asked for (used as it is), or empty for the choice above.
    RunWorkFolder(const std::string& requested, const std::filesystem::path& run_dir);
    // Leaves the folder; a folder on tmpfs is removed (the files are in the run folder
    // once keep_files has run).
    ~RunWorkFolder();
    RunWorkFolder(const RunWorkFolder&) = delete;
    RunWorkFolder& operator=(const RunWorkFolder&) = delete;

    // Copies the files of a folder on tmpfs into the run folder's work/; does nothing
    // for a folder that is already where the files should stay.
    void keep_files();

    const std::filesystem::path& path() const { return path_; }   // where the gauges work
    const std::filesystem::path& kept() const { return kept_; }   // where their files stay
    bool on_tmpfs() const { return temporary_; }

private:
    std::filesystem::path path_;
    std::filesystem::path kept_;
    std::filesystem::path previous_;
    bool temporary_ = false;
};
