// Module files on Windows: DLLs through LoadLibraryA, their bitmaps as BITMAP resources
// (device-independent bitmaps without a file header).
#include "module_file.h"

#include <windows.h>

#include <stdexcept>

namespace {

std::string system_message(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length != 0 && text != nullptr ? std::string(text, length) : "";
    if (text != nullptr) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return "error " + std::to_string(code) + (message.empty() ? "" : ": " + message);
}

struct BitmapCollection {
    HMODULE module;
    std::map<uint32_t, std::vector<uint8_t>> bitmaps;
    std::string error;
};

// Copies one BITMAP resource; resources named by text are none the host can ask for.
BOOL CALLBACK collect_bitmap(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR context) {
    auto& collection = *reinterpret_cast<BitmapCollection*>(context);
    if (!IS_INTRESOURCE(name)) return TRUE;
    const uint32_t id = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(name));
    HRSRC found = FindResourceA(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) {
        collection.error = "bitmap resource " + std::to_string(id) + " cannot be loaded (" +
                           system_message(GetLastError()) + ")";
        return FALSE;
    }
    collection.bitmaps[id].assign(bytes, bytes + SizeofResource(module, found));
    return TRUE;
}

}  // namespace

void* open_module_file(const std::string& absolute_path, std::string& reason) {
    HMODULE module = LoadLibraryA(absolute_path.c_str());
    if (module == nullptr) reason = system_message(GetLastError());
    return reinterpret_cast<void*>(module);
}

void* find_module_record(void* handle, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

void close_module_file(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }

std::map<uint32_t, std::vector<uint8_t>> read_module_file_bitmaps(void* handle, const std::string&) {
    BitmapCollection collection{static_cast<HMODULE>(handle), {}, {}};
    if (!EnumResourceNamesA(collection.module, RT_BITMAP, collect_bitmap,
                            reinterpret_cast<LONG_PTR>(&collection))) {
        const DWORD code = GetLastError();
        if (!collection.error.empty()) throw std::runtime_error(collection.error);
        // A module without any bitmap, or without resources at all, has none to give.
        if (code != ERROR_RESOURCE_TYPE_NOT_FOUND && code != ERROR_RESOURCE_DATA_NOT_FOUND)
            throw std::runtime_error("its resources cannot be listed (" + system_message(code) + ")");
    }
    return std::move(collection.bitmaps);
}
