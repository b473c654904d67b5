// The panel operations a module calls, each handed to the panel that is calling into
// the module at that moment. An operation never throws into a module: what goes wrong
// is kept on the gauge and reported when the module's call returns.
#include "panel_operations.h"

#include "panel.h"

namespace {

uintptr_t arg(const void* pointer) { return reinterpret_cast<uintptr_t>(pointer); }

void GAUGE_CALL op_element_list_query(ELEMENT_HEADER* root) {
    if (Panel* panel = Panel::active()) panel->record("element_list_query", panel->gauge_by_root(root), arg(root));
}

void GAUGE_CALL op_element_list_install(ELEMENT_HEADER* root, MODULE_HANDLE module) {
    Panel* panel = Panel::active();
    if (panel == nullptr) return;
    auto* gauge = static_cast<GaugeInstance*>(module);
    panel->record("element_list_install", gauge, arg(root), arg(module));
    panel->install_elements(*gauge, root);
}

void GAUGE_CALL op_element_list_initialize(ELEMENT_HEADER* root) {
    if (Panel* panel = Panel::active()) panel->record("element_list_initialize", panel->gauge_by_root(root), arg(root));
}

void GAUGE_CALL op_element_list_update(ELEMENT_HEADER* root) {
    Panel* panel = Panel::active();
    if (panel == nullptr) return;
    GaugeInstance* gauge = panel->gauge_by_root(root);
    panel->record("element_list_update", gauge, arg(root));
    if (gauge != nullptr) panel->update_elements(*gauge);
}

void GAUGE_CALL op_element_list_generate(ELEMENT_HEADER* root, uint32_t phase) {
    if (Panel* panel = Panel::active())
        panel->record("element_list_generate", panel->gauge_by_root(root), arg(root), phase);
}

void GAUGE_CALL op_element_list_plot(ELEMENT_HEADER* root) {
    if (Panel* panel = Panel::active()) panel->record("element_list_plot", panel->gauge_by_root(root), arg(root));
}

void GAUGE_CALL op_element_list_kill(ELEMENT_HEADER* root) {
    Panel* panel = Panel::active();
    if (panel == nullptr) return;
    GaugeInstance* gauge = panel->gauge_by_root(root);
    panel->record("element_list_kill", gauge, arg(root));
    if (gauge != nullptr) panel->kill_elements(*gauge);
}

void GAUGE_CALL op_mouse_list_install(MOUSERECT* list, GAUGEHDR* header, PIXPOINT* face_size) {
    Panel* panel = Panel::active();
    if (panel == nullptr) return;
    GaugeInstance* gauge = panel->gauge_by_header(header);
    panel->record("mouse_list_install", gauge, arg(list), arg(header), arg(face_size));
    if (gauge != nullptr) gauge->mouse().install(list, face_size != nullptr ? *face_size : gauge->face_size());
}

void GAUGE_CALL op_mouse_list_register(MOUSERECT* list, GAUGEHDR* header) {
    Panel* panel = Panel::active();
    if (panel == nullptr) return;
    GaugeInstance* gauge = panel->gauge_by_header(header);
    panel->record("mouse_list_register", gauge, arg(list), arg(header));
    if (gauge != nullptr) gauge->mouse().set_registered(true);
}

void GAUGE_CALL op_mouse_list_unregister(MOUSERECT* list, GAUGEHDR* header) {
    Panel* panel = Panel::active();
    if (panel == nullptr) return;
    GaugeInstance* gauge = panel->gauge_by_header(header);
    panel->record("mouse_list_unregister", gauge, arg(list), arg(header));
    if (gauge != nullptr) gauge->mouse().set_registered(false);
}

void GAUGE_CALL op_trigger_key_event(uint32_t event_id, uint32_t value) {
    if (Panel* panel = Panel::active()) panel->queue_event(event_id, value);
}

void GAUGE_CALL op_initialize_var(MODULE_VAR* var) {
    Panel* panel = Panel::active();
    if (panel == nullptr || var == nullptr) return;
    panel->record("initialize_var", nullptr, arg(var), var->id);
    var->var_ptr = var;  // bound: the host reads the token by id
    var->var_type = 1;
    refresh_variable(*var, panel->sim());
}

void GAUGE_CALL op_lookup_var(MODULE_VAR* var) {
    Panel* panel = Panel::active();
    if (panel == nullptr || var == nullptr) return;
    panel->record("lookup_var", nullptr, arg(var), var->id);
    refresh_variable(*var, panel->sim());
}

PANEL_OPERATIONS make_table() {
    PANEL_OPERATIONS table{};
    table.element_list_query = op_element_list_query;
    table.element_list_install = op_element_list_install;
    table.element_list_initialize = op_element_list_initialize;
    table.element_list_update = op_element_list_update;
    table.element_list_generate = op_element_list_generate;
    table.element_list_plot = op_element_list_plot;
    table.element_list_kill = op_element_list_kill;
    table.mouse_list_install = op_mouse_list_install;
    table.mouse_list_register = op_mouse_list_register;
    table.mouse_list_unregister = op_mouse_list_unregister;
    table.trigger_key_event = op_trigger_key_event;
    table.initialize_var = op_initialize_var;
    table.lookup_var = op_lookup_var;
    return table;
}

}  // namespace

PANEL_OPERATIONS* host_panel_operations() {
    static PANEL_OPERATIONS table = make_table();
    return &table;
}
