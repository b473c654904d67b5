// The folder a panel runs in: the one asked for, or a fresh temporary one that is
// removed again. The process works inside it while the object lives.
#pragma once

#include <filesystem>
#include <string>

class WorkDirectory {
public:
    explicit WorkDirectory(const std::string& requested);
    ~WorkDirectory();
    WorkDirectory(const WorkDirectory&) = delete;
    WorkDirectory& operator=(const WorkDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
    bool temporary_ = false;
};
