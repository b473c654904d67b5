// The seven version-610 routines: each hands the gauge's declarations to the host.
#include "standard_routines.h"

#include "panel_calls.h"

namespace {

ELEMENT_HEADER* root() { return *standard_gauge.header->elements_list; }

void run(void (*hook)()) {
    if (hook != nullptr) hook();
}

}  // namespace

void GAUGE_CALL standard_query() { element_list_query(root()); }

void GAUGE_CALL standard_install(MODULE_HANDLE module) {
    element_list_install(root(), module);
    run(standard_gauge.hooks.after_element_install);
    // The face size lives in the host's image record of the root, filled just now; the
    // host gets a pointer to it, not a copy.
    auto* face = reinterpret_cast<ELEMENT_STATIC_IMAGE*>(root());
    mouse_list_install(standard_gauge.mouse_list, standard_gauge.header, &face->image_data->dim);
    mouse_list_register(standard_gauge.mouse_list, standard_gauge.header);
    run(standard_gauge.hooks.after_mouse_register);
}

void GAUGE_CALL standard_initialize() {
    run(standard_gauge.hooks.before_element_initialize);
    element_list_initialize(root());
}

void GAUGE_CALL standard_update() { element_list_update(root()); }

void GAUGE_CALL standard_generate(uint32_t phase) { element_list_generate(root(), phase); }

void GAUGE_CALL standard_draw() { element_list_plot(root()); }

void GAUGE_CALL standard_kill() {
    mouse_list_unregister(standard_gauge.mouse_list, standard_gauge.header);
    element_list_kill(root());
}
