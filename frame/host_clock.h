// How a module's clock follows its host: a host that owns time exports this function
// from its own process; a module finds it there by name, so the module itself exports
// nothing more. Without it (inside the simulator) the module counts real time.
#pragma once

#include "gauge_frame.h"

// Milliseconds since the module whose ImportTable is given was loaded.
using HOST_CLOCK_FUNCTION = int64_t(GAUGE_CALL*)(const IMPORT_TABLE* module);
inline constexpr const char* HOST_CLOCK_SYMBOL = "panel_host_clock_ms";
