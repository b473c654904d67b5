// The variometer's module-wide state, its two variables and its needle callback.
#pragma once

#include "frame/gauge_frame.h"
#include "vario_sampler.h"

// Bound at initialize (vertical speed first), refreshed by the needle callback before it reads.
extern MODULE_VAR vario_vs_var;        // token 0x41, vertical speed, 1/256 m/s
extern MODULE_VAR vario_airspeed_var;  // token 0x3D, airspeed, knots

// Owned by the module from load to unload; a panel's kill and install leave them alone.
extern VarioSettings vario_settings;
extern VarioSampler vario_sampler;

// Rereads the settings file into vario_settings.
void vario_read_settings();

// Rereads the settings, samples when one is due and returns the averaged climb rate
// in 1/256 m/s, limited to +-1280. The needle's own source variable is not used.
FLOAT64 GAUGE_CALL vario_needle_cb(MODULE_VAR* unused);
