// The registry behind panel_host_clock_ms: a module's time is its clock's time since load.
#include "module_clocks.h"

#include <map>

namespace {

struct ModuleClock {
    const SimClock* clock;
    int64_t loaded_at_ms;
};

std::map<const IMPORT_TABLE*, ModuleClock>& clocks() {
    static std::map<const IMPORT_TABLE*, ModuleClock> registry;
    return registry;
}

// The last module asked about: a gauge asks many times in a row, once a callback.
const IMPORT_TABLE* last_module = nullptr;
const ModuleClock* last_clock = nullptr;

}  // namespace

void register_module_clock(const IMPORT_TABLE* module, const SimClock* clock) {
    clocks()[module] = ModuleClock{clock, clock->now_ms()};
    last_module = nullptr;
}

void unregister_module_clock(const IMPORT_TABLE* module) {
    clocks().erase(module);
    last_module = nullptr;
}

extern "C" GAUGE_EXPORT int64_t GAUGE_CALL panel_host_clock_ms(const IMPORT_TABLE* module) {
    if (module != last_module || last_module == nullptr) {
        auto found = clocks().find(module);
        if (found == clocks().end()) return 0;
        last_module = module;
        last_clock = &found->second;
    }
    return last_clock->clock->now_ms() - last_clock->loaded_at_ms;
}
