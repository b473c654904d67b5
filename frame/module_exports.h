// The two records every module exports, and the helper that fills a module's Linkage.
#pragma once

#include "gauge_frame.h"

extern "C" {
// Defined once in the frame; the host stores its panel table here before any call.
GAUGE_EXPORT extern IMPORT_TABLE ImportTable;
// Defined by each gauge module with make_linkage.
GAUGE_EXPORT extern GAUGE_LINKAGE Linkage;
}

// Module init and deinit: the simulator calls them at load and unload; they do nothing.
void GAUGE_CALL module_init();
void GAUGE_CALL module_deinit();

constexpr GAUGE_LINKAGE make_linkage(GAUGEHDR* gauge, uint32_t module_version = MODULE_VERSION_610) {
    return GAUGE_LINKAGE{LINKAGE_RECORD_ID, module_init, module_deinit, 0, 0, module_version, {gauge, nullptr}};
}
