// One gauge on the host's panel: its module, its installed elements and mouse areas,
// and the stages of its life run as its header's version asks.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bitmap.h"
#include "element_chain.h"
#include "module_library.h"
#include "mouse_areas.h"

// The stages a version-800 gauge callback is told about: "before" and "after" each.
enum GaugeService : int32_t {
    SERVICE_PRE_QUERY = 0,
    SERVICE_POST_QUERY = 1,
    SERVICE_PRE_INSTALL = 2,
    SERVICE_POST_INSTALL = 3,
    SERVICE_PRE_INITIALIZE = 4,
    SERVICE_POST_INITIALIZE = 5,
    SERVICE_PRE_UPDATE = 6,
    SERVICE_POST_UPDATE = 7,
    SERVICE_PRE_GENERATE = 8,
    SERVICE_POST_GENERATE = 9,
    SERVICE_PRE_DRAW = 10,
    SERVICE_POST_DRAW = 11,
    SERVICE_PRE_KILL = 12,
    SERVICE_POST_KILL = 13,
};

class GaugeInstance {
public:
    explicit GaugeInstance(std::unique_ptr<ModuleLibrary> module);

    ModuleLibrary& module() { return *module_; }
    const ModuleLibrary& module() const { return *module_; }
    GAUGEHDR& header() const { return module_->gauge(); }
    std::string gauge_name() const { return header().gauge_name; }
    bool is_version_800() const { return header().gauge_header_version == GAUGE_HEADER_VERSION_800; }
    ELEMENT_HEADER* root() const { return *header().elements_list; }

    ElementChain& chain() { return chain_; }
    const ElementChain& chain() const { return chain_; }
    MouseAreas& mouse() { return mouse_; }
    const MouseAreas& mouse() const { return mouse_; }
    // The installed face size: the root's bitmap.
    PIXPOINT face_size() const;

    // A decoded bitmap resource of the module; sets error and returns null when missing or bad.
    const Bitmap* bitmap(uint32_t resource_id, std::string& error);
    // Problems the host found while the module installed its elements.
    std::vector<std::string>& install_errors() { return install_errors_; }

    bool installed = false;

private:
    std::unique_ptr<ModuleLibrary> module_;
    ElementChain chain_;
    MouseAreas mouse_;
    std::map<uint32_t, Bitmap> bitmaps_;
    std::vector<std::string> install_errors_;
};
