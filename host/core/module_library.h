// A gauge module loaded into the host process: its two exported records, checked
// before they are trusted, and the bitmaps the module file carries.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frame/gauge_frame.h"

class ModuleLibrary {
public:
    // Loads the module file; throws HostError naming the file and what is wrong.
    static std::unique_ptr<ModuleLibrary> load(const std::string& path);
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    const std::string& path() const { return path_; }
    const std::string& name() const { return name_; }  // file name without extension
    GAUGE_LINKAGE& linkage() const { return *linkage_; }
    IMPORT_TABLE& import_table() const { return *import_table_; }
    GAUGEHDR& gauge() const { return *linkage_->gauge_list[0]; }
    // The raw bitmap resources by number, as the module file carries them.
    const std::map<uint32_t, std::vector<uint8_t>>& bitmap_resources() const { return bitmaps_; }

private:
    ModuleLibrary() = default;

    std::string path_;
    std::string name_;
    void* handle_ = nullptr;
    GAUGE_LINKAGE* linkage_ = nullptr;
    IMPORT_TABLE* import_table_ = nullptr;
    std::map<uint32_t, std::vector<uint8_t>> bitmaps_;
};
