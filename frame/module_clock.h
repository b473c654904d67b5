// The module clock: milliseconds since the module was loaded.
#pragma once

#include <cstdint>

int32_t module_clock_ms();
