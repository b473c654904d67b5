// Choosing, entering, keeping and removing the folder a run's gauges work in.
#include "run_work_folder.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdlib>
#include <system_error>

#include "host/core/host_error.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder of this process's own in the machine's shared-memory tmpfs, or an
// empty path when there is none we may write to.
fs::path make_tmpfs_folder() {
#ifdef _WIN32
    return {};
#else
    const char* shm = "/dev/shm";
    std::error_code error;
    if (!fs::is_directory(shm, error) || access(shm, W_OK | X_OK) != 0) return {};
    std::string pattern = std::string(shm) + "/panel-run-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
#endif
}

}  // namespace

RunWorkFolder::RunWorkFolder(const std::string& requested, const fs::path& run_dir)
    : kept_(requested.empty() ? run_dir / "work" : fs::absolute(requested)), previous_(fs::current_path()) {
    if (requested.empty()) path_ = make_tmpfs_folder();
    temporary_ = !path_.empty();
    if (!temporary_) path_ = kept_;
    fs::create_directories(path_);
    fs::current_path(path_);
}

RunWorkFolder::~RunWorkFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    if (temporary_) fs::remove_all(path_, ignored);
}

void RunWorkFolder::keep_files() {
    if (!temporary_) return;
    std::error_code error;
    fs::create_directories(kept_, error);
    if (!error)
        fs::copy(path_, kept_, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
    if (error) throw HostError("cannot copy the gauges' files from " + path_.string() + " to " + kept_.string() + ": " + error.message());
}
