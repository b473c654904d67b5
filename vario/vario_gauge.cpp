// The variometer "Corvantis VRX": a face and one needle over the averaged, compensated
// climb rate, turned through the dial's three-row table; its settings come from the
// flight computer's settings file.
#include "frame/module_exports.h"
#include "frame/mouse_records.h"
#include "frame/panel_calls.h"
#include "frame/standard_routines.h"
#include "vario_callbacks.h"
#include "vario_dial.h"

extern GAUGEHDR vario_header;

// Shared by the face and the needle.
FAILURE_RECORD vario_fail[] = {
    {19, FAIL_ACTION_FREEZE, 0},  // the variometer's own failure
    {3, FAIL_ACTION_ZERO, 0},     // the pitot-static system
    {0, 0, 0},
};

ELEMENT_NEEDLE vario_needle = {
    .header = {ELEMENT_TYPE_NEEDLE, VARIO_NEEDLE_BITMAP, VARIO_PIVOT, {}, VARIO_NEEDLE_PIVOT,
               &vario_header, nullptr, nullptr, vario_fail, 0x3, 0, 0},
    .source_var = {1, nullptr, 0, {}, {}},  // not used by the callback
    .source_fn = vario_needle_cb,
    .nonlinearity = vario_nonlinearity,
    .nonlinearity_table_size = VARIO_TABLE_ROWS,
    .max_degrees_per_tick = 6,
};

ELEMENT_HEADER* vario_face_next[] = {&vario_needle.header, nullptr};

ELEMENT_STATIC_IMAGE vario_face = {
    .header = {ELEMENT_TYPE_STATIC_IMAGE, VARIO_FACE_BITMAP, {0, 0}, {}, {},
               &vario_header, nullptr, vario_face_next, vario_fail, 0x1, 0, 0},
};

ELEMENT_HEADER* vario_root = &vario_face.header;

MOUSERECT vario_mouse_rect[] = {
    mouse_parent({0, 0, 0, 0}, 0xA306),
    mouse_end_parent(),
    mouse_end_list(),
};

GAUGEHDR vario_header = standard_gauge_header("Corvantis VRX", &vario_root, 80);

namespace {
void bind_variables() {
    initialize_var(&vario_vs_var);
    initialize_var(&vario_airspeed_var);
}
}  // namespace

extern const StandardGauge standard_gauge = {&vario_header, vario_mouse_rect, {nullptr, nullptr, bind_variables}};

extern "C" {
GAUGE_EXPORT GAUGE_LINKAGE Linkage = make_linkage(&vario_header);
}
