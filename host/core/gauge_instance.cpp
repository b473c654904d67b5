// A gauge's module, elements, mouse areas and decoded bitmaps.
#include "gauge_instance.h"

#include <sstream>

GaugeInstance::GaugeInstance(std::unique_ptr<ModuleLibrary> module) : module_(std::move(module)) {}

PIXPOINT GaugeInstance::face_size() const {
    if (!chain_.installed() || chain_.elements().front().image_info == nullptr) return {0, 0};
    return chain_.elements().front().image_info->dim;
}

const Bitmap* GaugeInstance::bitmap(uint32_t resource_id, std::string& error) {
    auto decoded = bitmaps_.find(resource_id);
    if (decoded != bitmaps_.end()) return &decoded->second;
    std::ostringstream name;
    name << "bitmap 0x" << std::hex << std::uppercase << resource_id;
    auto raw = module_->bitmap_resources().find(resource_id);
    if (raw == module_->bitmap_resources().end()) {
        error = name.str() + " is missing from the module";
        return nullptr;
    }
    try {
        auto [entry, inserted] = bitmaps_.emplace(resource_id, decode_bmp(raw->second.data(), raw->second.size()));
        return &entry->second;
    } catch (const std::exception& e) {
        error = name.str() + " is malformed: " + e.what();
        return nullptr;
    }
}
