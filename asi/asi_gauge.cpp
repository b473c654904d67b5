// The airspeed indicator "Luchtsnelheidsmeter (300 km/u)": a face and one needle over
// the airspeed, limited to 300 km/h and turned through the dial's ten-row table.
#include "asi_needle.h"
#include "asi_scale.h"
#include "frame/module_exports.h"
#include "frame/mouse_records.h"
#include "frame/standard_routines.h"

extern GAUGEHDR asi_header;

// Shared by the face and the needle.
FAILURE_RECORD asi_fail[] = {
    {6, FAIL_ACTION_FREEZE, 0},  // the airspeed indicator's own failure
    {3, FAIL_ACTION_FREEZE, 0},  // the pitot-static system
    {0, 0, 0},
};

ELEMENT_NEEDLE asi_needle = {
    .header = {ELEMENT_TYPE_NEEDLE, ASI_NEEDLE_BITMAP, ASI_PIVOT, {}, ASI_NEEDLE_PIVOT,
               &asi_header, nullptr, nullptr, asi_fail, 0x3, 0, 0},
    .source_var = {0x3D, nullptr, 0, {}, {}},  // airspeed, knots
    .source_fn = asi_needle_cb,
    .nonlinearity = asi_nonlinearity,
    .nonlinearity_table_size = ASI_TABLE_ROWS,
    .max_degrees_per_tick = 10,
};

ELEMENT_HEADER* asi_face_next[] = {&asi_needle.header, nullptr};

ELEMENT_STATIC_IMAGE asi_face = {
    .header = {ELEMENT_TYPE_STATIC_IMAGE, ASI_FACE_BITMAP, {0, 0}, {}, {},
               &asi_header, nullptr, asi_face_next, asi_fail, 0x1, 0, 0},
};

ELEMENT_HEADER* asi_root = &asi_face.header;

MOUSERECT asi_mouse_rect[] = {
    mouse_parent({0, 0, 0, 0}, 0xA302),
    mouse_end_parent(),
    mouse_end_list(),
};

GAUGEHDR asi_header = standard_gauge_header("Luchtsnelheidsmeter (300 km/u)", &asi_root, 60);

extern const StandardGauge standard_gauge = {&asi_header, asi_mouse_rect, {nullptr, nullptr, nullptr}};

extern "C" {
GAUGE_EXPORT GAUGE_LINKAGE Linkage = make_linkage(&asi_header);
}
