// The trim position display "kx40_trim_display": a version-800 gauge whose host runs its
// chain and mouse list itself; three trim dials over a face, and six trim step areas.
#include "frame/module_exports.h"
#include "frame/mouse_records.h"
#include "trimdisp_callbacks.h"
#include "trimdisp_dials.h"
#include "trimdisp_sound.h"

extern GAUGEHDR trimdisp_header;

constexpr uint32_t TRIMDISP_IMAGE_FLAGS = 0x4083;  // 0x1 black transparent, 0x2, 0x80 smooth, 0x4000 lit at night

// Each element has a list of its own, and every list is empty.
FAILURE_RECORD trimdisp_face_fail[] = {{0, 0, 0}};
FAILURE_RECORD trimdisp_elev_fail[] = {{0, 0, 0}};
FAILURE_RECORD trimdisp_rudder_fail[] = {{0, 0, 0}};
FAILURE_RECORD trimdisp_aileron_fail[] = {{0, 0, 0}};

ELEMENT_NEEDLE_800 trimdisp_aileron_needle = {
    .needle = {
        .header = {ELEMENT_TYPE_NEEDLE, TRIMDISP_AILERON_BITMAP, TRIMDISP_AILERON_PIVOT, {}, TRIMDISP_AILERON_NEEDLE_OFS,
                   &trimdisp_header, nullptr, nullptr, trimdisp_aileron_fail, TRIMDISP_IMAGE_FLAGS, 0, 0},
        .source_var = {0x311, nullptr, 0, {}, {}},  // aileron trim, radians
        .source_fn = nullptr,
        .nonlinearity = trimdisp_aileron_table,
        .nonlinearity_table_size = TRIMDISP_TABLE_ROWS,
        .max_degrees_per_tick = 0,
    },
    .element_callback = trimdisp_needle_cb,
};

ELEMENT_HEADER* trimdisp_rudder_next[] = {&trimdisp_aileron_needle.needle.header, nullptr};

ELEMENT_NEEDLE_800 trimdisp_rudder_needle = {
    .needle = {
        .header = {ELEMENT_TYPE_NEEDLE, TRIMDISP_RUDDER_BITMAP, TRIMDISP_RUDDER_PIVOT, {}, TRIMDISP_RUDDER_NEEDLE_OFS,
                   &trimdisp_header, nullptr, trimdisp_rudder_next, trimdisp_rudder_fail, TRIMDISP_IMAGE_FLAGS, 0, 0},
        .source_var = {0x313, nullptr, 0, {}, {}},  // rudder trim, radians
        .source_fn = nullptr,
        .nonlinearity = trimdisp_rudder_table,
        .nonlinearity_table_size = TRIMDISP_TABLE_ROWS,
        .max_degrees_per_tick = 0,
    },
    .element_callback = trimdisp_needle_cb,
};

ELEMENT_HEADER* trimdisp_elev_next[] = {&trimdisp_rudder_needle.needle.header, nullptr};

ELEMENT_NEEDLE_800 trimdisp_elev_needle = {
    .needle = {
        .header = {ELEMENT_TYPE_NEEDLE, TRIMDISP_ELEV_BITMAP, TRIMDISP_ELEV_PIVOT, {}, TRIMDISP_ELEV_NEEDLE_OFS,
                   &trimdisp_header, nullptr, trimdisp_elev_next, trimdisp_elev_fail, TRIMDISP_IMAGE_FLAGS, 0, 0},
        .source_var = {0x30F, nullptr, 0, {}, {}},  // elevator trim, radians
        .source_fn = nullptr,
        .nonlinearity = trimdisp_elev_table,
        .nonlinearity_table_size = TRIMDISP_TABLE_ROWS,
        .max_degrees_per_tick = 0,
    },
    .element_callback = trimdisp_needle_cb,
};

ELEMENT_HEADER* trimdisp_face_next[] = {&trimdisp_elev_needle.needle.header, nullptr};

ELEMENT_STATIC_IMAGE trimdisp_face = {
    .header = {ELEMENT_TYPE_STATIC_IMAGE, TRIMDISP_FACE_BITMAP, {0, 0}, {}, {},
               &trimdisp_header, nullptr, trimdisp_face_next, trimdisp_face_fail, TRIMDISP_IMAGE_FLAGS, 0, 0},
};

ELEMENT_HEADER* trimdisp_root = &trimdisp_face.header;

// The tooltip's argument list: its end record alone.
const uint32_t trimdisp_tooltip_args[4] = {0, 0, 0, 0};

constexpr uint32_t STEP_WHILE_HELD = MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT trimdisp_mouse_list[] = {
    mouse_parent({0, 0, 0, 0}, 0),                                                       // whole gauge
    mouse_user("Trim", trimdisp_tooltip_args),
    mouse_child({266, 78, 32, 33}, CURSOR_UPARROW, STEP_WHILE_HELD, trimdisp_elev_up_cb),       // right dial, upper half
    mouse_child({266, 121, 36, 42}, CURSOR_DOWNARROW, STEP_WHILE_HELD, trimdisp_elev_down_cb),  // right dial, lower half
    mouse_child({174, 78, 34, 62}, CURSOR_UPARROW, STEP_WHILE_HELD, trimdisp_rudder_right_cb),  // middle dial, right half
    mouse_child({128, 77, 31, 70}, CURSOR_DOWNARROW, STEP_WHILE_HELD, trimdisp_rudder_left_cb), // middle dial, left half
    mouse_child({22, 61, 62, 41}, CURSOR_UPARROW, STEP_WHILE_HELD, trimdisp_aileron_up_cb),     // left dial, upper half
    mouse_child({21, 112, 65, 43}, CURSOR_DOWNARROW, STEP_WHILE_HELD, trimdisp_aileron_down_cb),// left dial, lower half
    mouse_end_parent(),
    mouse_end_list(),
};

// Version 800: no routines; the host calls trimdisp_gauge_cb at every stage instead.
GAUGEHDR trimdisp_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_800,
    .gauge_name = "kx40_trim_display",
    .elements_list = &trimdisp_root,
    .size_x_mm = 100,
    .mouse_rect = trimdisp_mouse_list,
    .gauge_callback = trimdisp_gauge_cb,
};

extern "C" {
GAUGE_EXPORT GAUGE_LINKAGE Linkage = make_linkage(&trimdisp_header, MODULE_VERSION_800);
}
