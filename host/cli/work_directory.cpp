// Entering a run folder, and leaving and removing a temporary one.
#include "work_directory.h"

#include <cstdlib>
#include <random>
#include <stdexcept>

namespace {

// A new folder of this process's own under the system's temporary folder.
std::filesystem::path make_temporary_folder() {
#if defined(_WIN32)
    // Windows has no mkdtemp; create_directory refuses a name that exists, so try a few.
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() / ("panel-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) return candidate;
    }
    throw std::runtime_error("cannot create a temporary folder");
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "panel-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    return pattern;
#endif
}

}  // namespace

WorkDirectory::WorkDirectory(const std::string& requested) : previous_(std::filesystem::current_path()) {
    if (requested.empty()) {
        path_ = make_temporary_folder();
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
