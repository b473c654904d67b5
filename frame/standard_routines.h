// The seven routines of every version-610 gauge, written once. Each gauge declares
// one StandardGauge naming its header, its mouse list and its own additions.
#pragma once

#include "gauge_frame.h"

struct GaugeHooks {
    void (*after_element_install)();      // after element_list_install, before the mouse list
    void (*after_mouse_register)();       // the late install step
    void (*before_element_initialize)();  // binds the free-standing variables of initialize
};

struct StandardGauge {
    GAUGEHDR* header;
    MOUSERECT* mouse_list;
    GaugeHooks hooks;
};

// Defined by the gauge module that links the frame.
extern const StandardGauge standard_gauge;

void GAUGE_CALL standard_query();
void GAUGE_CALL standard_install(MODULE_HANDLE module);
void GAUGE_CALL standard_initialize();
void GAUGE_CALL standard_update();
void GAUGE_CALL standard_generate(uint32_t phase);
void GAUGE_CALL standard_draw();
void GAUGE_CALL standard_kill();

// A version-610 header wired to the standard routines.
constexpr GAUGEHDR standard_gauge_header(const char* name, ELEMENT_HEADER** elements_list, uint32_t size_x_mm) {
    return GAUGEHDR{GAUGE_HEADER_VERSION_610, name, elements_list,
                    standard_query, standard_install, standard_initialize, standard_update,
                    standard_generate, standard_draw, standard_kill,
                    0, size_x_mm, {}, nullptr, nullptr};
}
