// Entering a run folder, and leaving and removing a temporary one.
#include "work_directory.h"

#include <cstdlib>
#include <stdexcept>

WorkDirectory::WorkDirectory(const std::string& requested) : previous_(std::filesystem::current_path()) {
    if (requested.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "panel-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
        temporary_ = true;
    } else {
        path_ = std::filesystem::absolute(requested);
        std::filesystem::create_directories(path_);
    }
    std::filesystem::current_path(path_);
}

WorkDirectory::~WorkDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    if (temporary_) std::filesystem::remove_all(path_, ignored);
}
