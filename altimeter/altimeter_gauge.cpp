// The kilometre altimeter "Hoogtemeter": a face, the pressure ring seen through its window,
// a short hand (10 km a turn) and a long hand (1 km a turn), and the setting knob.
#include "altimeter_callbacks.h"
#include "altimeter_dial.h"
#include "frame/module_exports.h"
#include "frame/mouse_records.h"
#include "frame/panel_calls.h"
#include "frame/standard_routines.h"

extern GAUGEHDR alt_header;

MODULE_VAR alt_units_var = {0x14F, nullptr, 0, {}, {}};  // units of measure; 2 = metres

ELEMENT_NEEDLE alt_long_hand = {
    .header = {ELEMENT_TYPE_NEEDLE, ALT_LONG_HAND_BITMAP, ALT_HAND_POSITION, {}, ALT_HAND_PIVOT,
               &alt_header, nullptr, nullptr, nullptr, 0x3, 0, 0},
    .source_var = {0x4A, nullptr, 0, {}, {}},  // altitude, feet or metres
    .source_fn = alt_long_needle_cb,
    .reserved_point = {0, 0},
    .needle_data = ALT_HAND_DATA,
};

ELEMENT_HEADER* alt_short_hand_next[] = {&alt_long_hand.header, nullptr};

ELEMENT_NEEDLE alt_short_hand = {
    .header = {ELEMENT_TYPE_NEEDLE, ALT_SHORT_HAND_BITMAP, ALT_HAND_POSITION, {}, ALT_HAND_PIVOT,
               &alt_header, nullptr, alt_short_hand_next, nullptr, 0x3, 0, 0},
    .source_var = {0x4A, nullptr, 0, {}, {}},  // altitude, feet or metres
    .source_fn = alt_short_needle_cb,
    .reserved_point = {0, 0},
    .needle_data = ALT_HAND_DATA,
};

ELEMENT_HEADER* alt_ring_next[] = {&alt_short_hand.header, nullptr};

ELEMENT_SPRITE alt_pressure_ring = {
    .header = {ELEMENT_TYPE_SPRITE, ALT_RING_BITMAP, {0, 0}, {}, ALT_RING_CENTRE,
               &alt_header, nullptr, alt_ring_next, nullptr, 0x1, 0, 0},
    .source_var_x = {0, nullptr, 0, {}, {}},      // no sideways movement
    .source_fn_x = nullptr,
    .scale_x = 0.0,
    .source_var_y = {0, nullptr, 0, {}, {}},      // no vertical movement
    .source_fn_y = nullptr,
    .scale_y = 0.0,
    .source_var_0 = {0x4B, nullptr, 0, {}, {}},   // pressure setting, hPa
    .source_fn_0 = alt_baro_ring_cb,
    .scale_0 = 1.0,
    .texture_scale_x = 1.0f,
    .texture_scale_y = 1.0f,
    .texture_point = {0, 0},
};

ELEMENT_HEADER* alt_face_next[] = {&alt_pressure_ring.header, nullptr};

ELEMENT_STATIC_IMAGE alt_face = {
    .header = {ELEMENT_TYPE_STATIC_IMAGE, ALT_FACE_BITMAP, {0, 0}, {}, {},
               &alt_header, nullptr, alt_face_next, nullptr, 0x3, 0, 0},
};

ELEMENT_HEADER* alt_root = &alt_face.header;

MOUSERECT alt_mouse_rect[] = {
    mouse_parent({0, 0, 0, 0}, 0xA001),                                          // whole gauge
    mouse_end_parent(),
    mouse_parent(ALT_KNOB_BOX, 0xA034),                                          // setting knob
    mouse_child({40, 0, 40, 80}, CURSOR_UPARROW, 0x20200000, alt_baro_up_cb),    // right half: up
    mouse_child({0, 0, 40, 80}, CURSOR_DOWNARROW, 0x20200000, alt_baro_down_cb), // left half: down
    mouse_end_parent(),
    mouse_end_list(),
};

GAUGEHDR alt_header = standard_gauge_header("Hoogtemeter", &alt_root, 60);

namespace {
void bind_units_var() { initialize_var(&alt_units_var); }
}  // namespace

extern const StandardGauge standard_gauge = {&alt_header, alt_mouse_rect, {nullptr, nullptr, bind_units_var}};

extern "C" {
GAUGE_EXPORT GAUGE_LINKAGE Linkage = make_linkage(&alt_header);
}
