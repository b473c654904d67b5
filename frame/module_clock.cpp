// The module clock asks the host process for its time where the host offers it, and
// otherwise counts the platform's monotonic time from the moment the module loaded.
#include "module_clock.h"

#include <chrono>

#include "host_clock.h"
#include "module_exports.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

const auto loaded_at = std::chrono::steady_clock::now();

HOST_CLOCK_FUNCTION find_host_clock() {
#if defined(_WIN32)
    return reinterpret_cast<HOST_CLOCK_FUNCTION>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), HOST_CLOCK_SYMBOL)));
#else
    return reinterpret_cast<HOST_CLOCK_FUNCTION>(dlsym(RTLD_DEFAULT, HOST_CLOCK_SYMBOL));
#endif
}

}  // namespace

int32_t module_clock_ms() {
    static const HOST_CLOCK_FUNCTION host_clock = find_host_clock();
    if (host_clock != nullptr) return static_cast<int32_t>(host_clock(&ImportTable));
    auto elapsed = std::chrono::steady_clock::now() - loaded_at;
    return static_cast<int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}
