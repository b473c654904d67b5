// The host's panel operations as the gauge calls them: each call reads the table
// address from ImportTable at the moment of the call.
#pragma once

#include "module_exports.h"

inline PANEL_OPERATIONS& panel() { return *ImportTable.panels; }

inline void element_list_query(ELEMENT_HEADER* root) { panel().element_list_query(root); }
inline void element_list_install(ELEMENT_HEADER* root, MODULE_HANDLE module) { panel().element_list_install(root, module); }
inline void element_list_initialize(ELEMENT_HEADER* root) { panel().element_list_initialize(root); }
inline void element_list_update(ELEMENT_HEADER* root) { panel().element_list_update(root); }
inline void element_list_generate(ELEMENT_HEADER* root, uint32_t phase) { panel().element_list_generate(root, phase); }
inline void element_list_plot(ELEMENT_HEADER* root) { panel().element_list_plot(root); }
inline void element_list_kill(ELEMENT_HEADER* root) { panel().element_list_kill(root); }
inline void mouse_list_install(MOUSERECT* list, GAUGEHDR* header, PIXPOINT* face_size) {
    panel().mouse_list_install(list, header, face_size);
}
inline void mouse_list_register(MOUSERECT* list, GAUGEHDR* header) { panel().mouse_list_register(list, header); }
inline void mouse_list_unregister(MOUSERECT* list, GAUGEHDR* header) { panel().mouse_list_unregister(list, header); }
inline void trigger_key_event(uint32_t event_id, uint32_t value) { panel().trigger_key_event(event_id, value); }
inline void initialize_var(MODULE_VAR* var) { panel().initialize_var(var); }
inline void lookup_var(MODULE_VAR* var) { panel().lookup_var(var); }
