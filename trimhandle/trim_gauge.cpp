// The elevator trim handle "Trim instelling": a knob that follows the simulator's trim
// position, and a face that sets the trim to the height clicked or dragged to.
#include "frame/module_exports.h"
#include "frame/mouse_records.h"
#include "frame/panel_calls.h"
#include "frame/standard_routines.h"
#include "trim_drag.h"
#include "trim_layout.h"

extern GAUGEHDR trim_header;
extern ELEMENT_STATIC_IMAGE trim_face;

namespace {

// Sends the position under the pointer on the click and on every drag call; x plays no part.
uint32_t GAUGE_CALL trim_drag_cb(PIXPOINT* point, uint32_t) {
    int32_t face_height = trim_face.image_data != nullptr ? trim_face.image_data->dim.y : 0;
    trigger_key_event(TRIM_SET_EVENT, static_cast<uint32_t>(trim_position_at(point->y, face_height)));
    return 0;
}

}  // namespace

ELEMENT_SLIDER trim_knob = {
    .header = {ELEMENT_TYPE_SLIDER, TRIM_KNOB_BITMAP, {TRIM_KNOB_X, TRIM_KNOB_Y}, {}, {}, &trim_header, nullptr,
               nullptr, nullptr, 0x3, 0, 0},
    .source_var_x = {0, nullptr, 0, {}, {}},       // no sideways movement
    .source_var_y = {0x13F, nullptr, 0, {}, {}},   // elevator trim position, -16383..16383
    .scale_y = TRIM_KNOB_PIXELS_PER_UNIT,
};

ELEMENT_HEADER* trim_face_next[] = {&trim_knob.header, nullptr};

ELEMENT_STATIC_IMAGE trim_face = {
    .header = {ELEMENT_TYPE_STATIC_IMAGE, TRIM_FACE_BITMAP, {0, 0}, {}, {}, &trim_header, nullptr, trim_face_next,
               nullptr, 0x1, 0, 0},
};

ELEMENT_HEADER* trim_root = &trim_face.header;

MOUSERECT trim_mouse_list[] = {
    mouse_parent({0, 0, 0, 0}, 0xA02E),
    mouse_child({0, 0, TRIM_FACE_WIDTH, TRIM_FACE_HEIGHT}, CURSOR_HAND, MOUSE_LEFTSINGLE | MOUSE_LEFTDRAG,
                trim_drag_cb),  // the whole face: set the trim at the pointer's height
    mouse_end_parent(),
    mouse_end_list(),
};

GAUGEHDR trim_header = standard_gauge_header("Trim instelling", &trim_root, 40);

extern const StandardGauge standard_gauge = {&trim_header, trim_mouse_list, {nullptr, nullptr, nullptr}};

extern "C" {
GAUGE_EXPORT GAUGE_LINKAGE Linkage = make_linkage(&trim_header);
}
