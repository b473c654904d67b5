// The COM radio "Halvor": a face, four knobs drawn as needles that the host turns, the
// frequency display, and ten mouse areas over the switch, knobs and STORE.
#include "com_callbacks.h"
#include "com_face.h"
#include "frame/module_exports.h"
#include "frame/mouse_records.h"
#include "frame/standard_routines.h"

extern GAUGEHDR com_header;

MODULE_VAR com_freq_var = {0x17, nullptr, 0, {}, {}};  // COM frequency word

FAILURE_RECORD com_fail[] = {
    {9, FAIL_ACTION_NONE, 0},  // the COM radio's failure
    {0, 0, 0},
};

namespace {

// A knob: a needle without a table, so its callback's result is its angle in degrees.
constexpr ELEMENT_NEEDLE knob(uint32_t bitmap, PIXPOINT centre, PIXPOINT pivot, ELEMENT_CALLBACK angle_cb,
                              ELEMENT_HEADER** next) {
    return ELEMENT_NEEDLE{
        .header = {ELEMENT_TYPE_NEEDLE, bitmap, centre, {}, pivot, &com_header, nullptr, next, nullptr, 0x3, 0, 0},
        .source_var = {0, nullptr, 0, {}, {}},
        .source_fn = angle_cb,
    };
}

}  // namespace

ELEMENT_STRING com_display = {
    .header = {ELEMENT_TYPE_STRING, NO_RESOURCE, COM_DISPLAY_POSITION, {}, {}, &com_header, nullptr, nullptr,
               nullptr, 0x2, 0, 0},
    .source_var = {{1, nullptr, 0, {}, {}}, {}, {}},
    .source_fn = com_display_cb,
    .box_width = uint32_t(COM_DISPLAY_SIZE.x),
    .box_height = uint32_t(COM_DISPLAY_SIZE.y),
    .fg_color = colour_ref(COM_DISPLAY_TEXT),
    .bg_color = colour_ref(COM_DISPLAY_WINDOW),
    .hilite_color = colour_ref(COM_DISPLAY_TEXT),
    .font_name = "Arial Narrow",
    .font_weight = 400,
    .font_charset = 1,
    .draw_text_flags = DT_CENTER_FLAG | DT_VCENTER_FLAG | DT_SINGLELINE_FLAG,
    .max_string_length = COM_DISPLAY_CHARS,
};

// The chain runs in drawing order, one element per next list; the display comes last.
ELEMENT_HEADER* com_inner_knob_next[] = {&com_display.header, nullptr};
ELEMENT_NEEDLE com_inner_knob =
    knob(COM_POINTER_BITMAP, COM_INNER_KNOB_CENTRE, COM_POINTER_PIVOT, com_fraction_knob_cb, com_inner_knob_next);
ELEMENT_HEADER* com_outer_knob_next[] = {&com_inner_knob.header, nullptr};
ELEMENT_NEEDLE com_outer_knob =
    knob(COM_MARKER_BITMAP, COM_OUTER_KNOB_CENTRE, COM_MARKER_PIVOT, com_whole_knob_cb, com_outer_knob_next);
ELEMENT_HEADER* com_selector_next[] = {&com_outer_knob.header, nullptr};
ELEMENT_NEEDLE com_selector =
    knob(COM_POINTER_BITMAP, COM_SELECTOR_CENTRE, COM_POINTER_PIVOT, com_selector_knob_cb, com_selector_next);
ELEMENT_HEADER* com_volume_knob_next[] = {&com_selector.header, nullptr};
ELEMENT_NEEDLE com_volume_knob =
    knob(COM_POINTER_BITMAP, COM_VOLUME_CENTRE, COM_POINTER_PIVOT, com_volume_knob_cb, com_volume_knob_next);
ELEMENT_HEADER* com_face_next[] = {&com_volume_knob.header, nullptr};

ELEMENT_STATIC_IMAGE com_face = {
    .header = {ELEMENT_TYPE_STATIC_IMAGE, COM_FACE_BITMAP, {0, 0}, {}, {}, &com_header, nullptr, com_face_next,
               com_fail, 0x1, 0, 0},
};

ELEMENT_HEADER* com_root = &com_face.header;

constexpr uint32_t CLICK = MOUSE_LEFTSINGLE;
constexpr uint32_t CLICK_REPEAT = MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT com_mouse_rect[] = {
    mouse_parent({0, 0, 0, 0}, 0xA305),
    mouse_child({58, 18, 14, 28}, CURSOR_HAND, CLICK, com_switch_cb),                 // SQ / ON / OFF switch
    mouse_child({119, 5, 22, 45}, CURSOR_UPARROW, CLICK_REPEAT, com_volume_up_cb),    // volume, right half
    mouse_child({97, 5, 22, 45}, CURSOR_DOWNARROW, CLICK_REPEAT, com_volume_down_cb), // volume, left half
    mouse_child({56, 164, 20, 40}, CURSOR_UPARROW, CLICK, com_channel_up_cb),         // selector towards A
    mouse_child({36, 164, 20, 40}, CURSOR_DOWNARROW, CLICK, com_channel_down_cb),     // selector towards 4
    mouse_child({158, 16, 30, 30}, CURSOR_HAND, CLICK, com_store_cb),                 // STORE
    mouse_child({186, 180, 20, 40}, CURSOR_HAND, CLICK_REPEAT, com_whole_up_cb),      // outer knob, right rim
    mouse_child({126, 180, 20, 40}, CURSOR_HAND, CLICK_REPEAT, com_whole_down_cb),    // outer knob, left rim
    mouse_child({166, 180, 20, 40}, CURSOR_UPARROW, CLICK_REPEAT, com_fraction_up_cb),     // inner knob, right half
    mouse_child({146, 180, 20, 40}, CURSOR_DOWNARROW, CLICK_REPEAT, com_fraction_down_cb), // inner knob, left half
    mouse_end_parent(),
    mouse_end_list(),
};

GAUGEHDR com_header = standard_gauge_header("Halvor", &com_root, 60);

extern const StandardGauge standard_gauge = {
    &com_header, com_mouse_rect,
    {.after_element_install = nullptr, .after_mouse_register = com_tune_at_install,
     .before_element_initialize = com_bind_frequency_var}};

extern "C" {
GAUGE_EXPORT GAUGE_LINKAGE Linkage = make_linkage(&com_header);
}
