// The attitude indicator "ZL_OSTRAND_ADI": a face, the pitch ball that slides with pitch
// and turns with bank, and the bank ring around it that turns with bank.
#include "adi_geometry.h"
#include "adi_pitch.h"
#include "frame/module_exports.h"
#include "frame/mouse_records.h"
#include "frame/standard_routines.h"

extern GAUGEHDR adi_header;

// Shared by all three elements.
FAILURE_RECORD adi_fail[] = {
    {8, FAIL_ACTION_NONE, 0},  // the attitude indicator's own failure
    {0, 0, 0},
};

ELEMENT_SPRITE adi_bank_ring = {
    .header = {ELEMENT_TYPE_SPRITE, ADI_RING_BITMAP, ADI_RING_MASK_POSITION, {}, ADI_CENTRE,
               &adi_header, nullptr, nullptr, adi_fail, 0x4001, 0, 0},
    .source_var_x = {0, nullptr, 0, {}, {}},     // no sideways movement
    .source_fn_x = nullptr,
    .scale_x = 0.0,
    .source_var_y = {0, nullptr, 0, {}, {}},     // no vertical movement
    .source_fn_y = nullptr,
    .scale_y = 0.0,
    .source_var_0 = {0x50, nullptr, 0, {}, {}},  // bank, degrees
    .source_fn_0 = nullptr,
    .scale_0 = -1.0,
    .texture_scale_x = ADI_RING_TEXTURE_SCALE,
    .texture_scale_y = ADI_RING_TEXTURE_SCALE,
    .texture_point = ADI_RING_TEXTURE_POINT,
};

ELEMENT_HEADER* adi_ball_next[] = {&adi_bank_ring.header, nullptr};

ELEMENT_SPRITE adi_pitch_ball = {
    .header = {ELEMENT_TYPE_SPRITE, ADI_BALL_BITMAP, ADI_BALL_MASK_POSITION, {}, ADI_CENTRE,
               &adi_header, nullptr, adi_ball_next, adi_fail, 0x4001, 0, 0},
    .source_var_x = {0, nullptr, 0, {}, {}},     // no sideways movement
    .source_fn_x = nullptr,
    .scale_x = 0.0,
    .source_var_y = {0x4E, nullptr, 0, {}, {}},  // pitch, degrees
    .source_fn_y = adi_pitch_cb,
    .scale_y = ADI_PITCH_PIXELS_PER_DEGREE,
    .source_var_0 = {0x50, nullptr, 0, {}, {}},  // bank, degrees
    .source_fn_0 = nullptr,
    .scale_0 = -1.0,
    .texture_scale_x = ADI_BALL_TEXTURE_SCALE,
    .texture_scale_y = ADI_BALL_TEXTURE_SCALE,
    .texture_point = ADI_BALL_TEXTURE_POINT,
};

ELEMENT_HEADER* adi_face_next[] = {&adi_pitch_ball.header, nullptr};

ELEMENT_STATIC_IMAGE adi_face = {
    .header = {ELEMENT_TYPE_STATIC_IMAGE, ADI_FACE_BITMAP, {0, 0}, {}, {},
               &adi_header, nullptr, adi_face_next, adi_fail, 0x4001, 0, 0},
};

ELEMENT_HEADER* adi_root = &adi_face.header;

MOUSERECT adi_mouse_rect[] = {
    mouse_parent({0, 0, 0, 0}, 0xA505),
    mouse_end_parent(),
    mouse_end_list(),
};

GAUGEHDR adi_header = standard_gauge_header("ZL_OSTRAND_ADI", &adi_root, 89);

extern const StandardGauge standard_gauge = {&adi_header, adi_mouse_rect, {nullptr, nullptr, nullptr}};

extern "C" {
GAUGE_EXPORT GAUGE_LINKAGE Linkage = make_linkage(&adi_header);
}
