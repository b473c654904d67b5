// Which simulated clock each loaded module follows, and since when. The host process
// exports panel_host_clock_ms; modules find it by name and ask it for their time.
#pragma once

#include "frame/gauge_frame.h"
#include "sim_clock.h"

void register_module_clock(const IMPORT_TABLE* module, const SimClock* clock);
void unregister_module_clock(const IMPORT_TABLE* module);

extern "C" GAUGE_EXPORT int64_t GAUGE_CALL panel_host_clock_ms(const IMPORT_TABLE* module);
