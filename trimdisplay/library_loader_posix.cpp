// LoadLibraryA, GetModuleHandleA, GetProcAddress and FreeLibrary over dlopen, for the
// platforms that are not Windows.
#include "library_loader.h"

#include <dlfcn.h>

#include <cstring>
#include <string>

namespace {

// Windows adds ".dll" to a name without an extension; a bare name here is the usual
// shared-library file name around it. A name with a path or an extension is taken as is.
std::string library_file_name(const char* name) {
    if (std::strchr(name, '/') != nullptr || std::strchr(name, '.') != nullptr) return name;
    return std::string("lib") + name + ".so";
}

// The folder of the module this code is linked into, with a trailing slash, or "".
std::string module_folder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&module_folder), &info) == 0 || info.dli_fname == nullptr) return "";
    std::string path = info.dli_fname;
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

HMODULE LoadLibraryA(const char* name) {
    if (name == nullptr) return nullptr;
    const std::string file = library_file_name(name);
    // A library of that name already in the process is the one, wherever it came from,
    // as on Windows; this counts a use of it.
    if (HMODULE loaded = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD)) return loaded;
    if (file.find('/') == std::string::npos) {
        // The module's own folder first, as Windows looks in the application's folder first.
        if (HMODULE beside = dlopen((module_folder() + file).c_str(), RTLD_NOW | RTLD_LOCAL)) return beside;
    }
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

HMODULE GetModuleHandleA(const char* name) {
    if (name == nullptr) return nullptr;
    HMODULE handle = dlopen(library_file_name(name).c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
    // RTLD_NOLOAD still counts a use; give it back, as GetModuleHandleA takes none. The
    // handle stays valid while the library's other users keep it loaded.
    if (handle != nullptr) dlclose(handle);
    return handle;
}

FARPROC GetProcAddress(HMODULE module, const char* name) {
    if (module == nullptr || name == nullptr) return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(module, name));
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr) return 0;
    return dlclose(module) == 0 ? 1 : 0;
}
