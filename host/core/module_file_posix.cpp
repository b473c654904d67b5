// Module files on Linux: shared libraries through dlopen, their bitmaps in an ELF section.
#include "module_file.h"

#include <dlfcn.h>

#include "module_bitmaps.h"

void* open_module_file(const std::string& absolute_path, std::string& reason) {
    void* handle = dlopen(absolute_path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* error = dlerror();
        reason = error ? error : "unknown reason";
    }
    return handle;
}

void* find_module_record(void* handle, const char* name) { return dlsym(handle, name); }

void close_module_file(void* handle) { dlclose(handle); }

std::map<uint32_t, std::vector<uint8_t>> read_module_file_bitmaps(void*, const std::string& absolute_path) {
    return read_module_bitmaps(absolute_path);
}
