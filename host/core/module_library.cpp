// Loading a module with the platform's loader (module_file.h) and checking its records field by field.
#include "module_library.h"

#include <filesystem>
#include <sstream>

#include "host_error.h"
#include "module_file.h"

namespace {

std::string hex(uint32_t n) {
    std::ostringstream out;
    out << "0x" << std::hex << std::uppercase << n;
    return out.str();
}

[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw HostError(path + ": " + what);
}

void check_gauge_header(const std::string& path, const GAUGEHDR& gauge) {
    auto missing = [&](const char* field) { fail(path, std::string("gauge header field ") + field + " is null"); };
    if (gauge.gauge_header_version != GAUGE_HEADER_VERSION_610 && gauge.gauge_header_version != GAUGE_HEADER_VERSION_800)
        fail(path, "gauge header version is " + std::to_string(gauge.gauge_header_version) + " (expected 610 or 800)");
    if (gauge.gauge_name == nullptr) missing("gauge_name");
    if (gauge.elements_list == nullptr) missing("elements_list");
    if (*gauge.elements_list == nullptr) missing("elements_list (the root element)");
    if (gauge.gauge_header_version == GAUGE_HEADER_VERSION_610) {
        if (gauge.query_routine == nullptr) missing("query routine");
        if (gauge.install_routine == nullptr) missing("install routine");
        if (gauge.initialize_routine == nullptr) missing("initialize routine");
        if (gauge.update_routine == nullptr) missing("update routine");
        if (gauge.generate_routine == nullptr) missing("generate routine");
        if (gauge.draw_routine == nullptr) missing("draw routine");
        if (gauge.kill_routine == nullptr) missing("kill routine");
    } else {
        if (gauge.gauge_callback == nullptr) missing("gauge_callback");
        if (gauge.mouse_rect == nullptr) missing("mouse_rect");
    }
}

}  // namespace

std::unique_ptr<ModuleLibrary> ModuleLibrary::load(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) fail(path, "no such module file");

    std::unique_ptr<ModuleLibrary> module(new ModuleLibrary);
    module->path_ = path;
    module->name_ = std::filesystem::path(path).stem().string();

    auto absolute = std::filesystem::absolute(path).string();
    std::string reason;
    module->handle_ = open_module_file(absolute, reason);
    if (module->handle_ == nullptr) fail(path, "not a loadable shared library (" + reason + ")");
    module->linkage_ = static_cast<GAUGE_LINKAGE*>(find_module_record(module->handle_, "Linkage"));
    if (module->linkage_ == nullptr) fail(path, "does not export Linkage");
    module->import_table_ = static_cast<IMPORT_TABLE*>(find_module_record(module->handle_, "ImportTable"));
    if (module->import_table_ == nullptr) fail(path, "does not export ImportTable");

    const GAUGE_LINKAGE& linkage = *module->linkage_;
    if (linkage.record_id != LINKAGE_RECORD_ID)
        fail(path, "Linkage record id is " + hex(linkage.record_id) + " (expected 0x13)");
    if (module->import_table_->id != IMPORT_TABLE_ID)
        fail(path, "ImportTable id is " + hex(module->import_table_->id) + " (expected 0xF)");
    if (linkage.module_version != MODULE_VERSION_610 && linkage.module_version != MODULE_VERSION_800)
        fail(path, "Linkage module version is " + hex(linkage.module_version) + " (expected 0 or 0x800)");
    if (linkage.module_init == nullptr) fail(path, "Linkage module init routine is null");
    if (linkage.module_deinit == nullptr) fail(path, "Linkage module deinit routine is null");
    if (linkage.gauge_list[0] == nullptr) fail(path, "Linkage gauge list is empty");
    check_gauge_header(path, *linkage.gauge_list[0]);

    try {
        module->bitmaps_ = read_module_file_bitmaps(module->handle_, absolute);
    } catch (const std::exception& e) {
        fail(path, std::string("cannot read its bitmaps: ") + e.what());
    }
    return module;
}

ModuleLibrary::~ModuleLibrary() {
    if (handle_ != nullptr) close_module_file(handle_);
}
