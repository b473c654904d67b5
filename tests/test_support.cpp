// Module paths, the output folder, and the test panel's temporary working folder.
#include "test_support.h"

#include <cstdlib>

std::string module_path(const std::string& module_name) {
    return std::string(GAUGE_MODULE_DIR) + "/" + module_name + ".so";
}

std::filesystem::path test_output_dir() {
    std::filesystem::path dir = TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    return dir;
}

TemporaryWorkdir::TemporaryWorkdir() : previous(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "panel-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        path = pattern;
        std::filesystem::current_path(path);
    }
}

TemporaryWorkdir::~TemporaryWorkdir() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
}
