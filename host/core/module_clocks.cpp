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

}  // namespace

void register_module_clock(const IMPORT_TABLE* module, const SimClock* clock) {
    clocks()[module] = ModuleClock{clock, clock->now_ms()};
}

void unregister_module_clock(const IMPORT_TABLE* module) { clocks().erase(module); }

extern "C" GAUGE_EXPORT int64_t GAUGE_CALL panel_host_clock_ms(const IMPORT_TABLE* module) {
    auto found = clocks().find(module);
    if (found == clocks().end()) return 0;
    return found->second.clock->now_ms() - found->second.loaded_at_ms;
}
