// The glide computer "Corvantis T-KOR": a face with an LCD of eleven text places, label
// and mark icons, the glide bar and the PULL/PUSH column, and six mouse areas over the
// power knob and the five push buttons.
#include "fc_callbacks.h"
#include "fc_face.h"
#include "frame/module_exports.h"
#include "frame/mouse_records.h"
#include "frame/standard_routines.h"

extern GAUGEHDR fc_header;

// The eight variables, bound at install in this order.
MODULE_VAR fc_units_var = {0x14F, nullptr, 0, {}, {}};
MODULE_VAR fc_airspeed_var = {0x3D, nullptr, 0, {}, {}};
MODULE_VAR fc_altitude_var = {0x4A, nullptr, 0, {}, {}};
MODULE_VAR fc_vertical_speed_var = {0x41, nullptr, 0, {}, {}};
MODULE_VAR fc_pressure_var = {0x4B, nullptr, 0, {}, {}};
MODULE_VAR fc_hour_var = {3, nullptr, 0, {}, {}};
MODULE_VAR fc_minute_var = {4, nullptr, 0, {}, {}};
MODULE_VAR fc_second_var = {5, nullptr, 0, {}, {}};

namespace {

constexpr MODULE_VAR TOKEN_1 = {1, nullptr, 0, {}, {}};  // carries nothing this gauge uses
constexpr MODULE_VAR NO_VAR = {0, nullptr, 0, {}, {}};
constexpr uint32_t ICON_FLAGS = 0x3;

constexpr ELEMENT_HEADER element_header(uint32_t type, uint32_t bitmap, PIXPOINT at, uint32_t image_flags,
                                        ELEMENT_HEADER** next) {
    return {type, bitmap, at, {}, {}, &fc_header, nullptr, next, nullptr, image_flags, 0, 0};
}

// An LCD text place: bold "Terminal", black on the LCD grey, centred on one line.
constexpr ELEMENT_STRING lcd_text(PIXPOINT at, PIXPOINT box, uint32_t chars, ELEMENT_CALLBACK callback,
                                  ELEMENT_HEADER** next) {
    return ELEMENT_STRING{
        .header = element_header(ELEMENT_TYPE_STRING, NO_RESOURCE, at, 0x2, next),
        .source_var = {TOKEN_1, NO_VAR, NO_VAR},
        .source_fn = callback,
        .box_width = uint32_t(box.x),
        .box_height = uint32_t(box.y),
        .fg_color = FC_STRING_TEXT,
        .bg_color = FC_STRING_BACKGROUND,
        .hilite_color = FC_STRING_TEXT,
        .font_name = "Terminal",
        .font_weight = 700,
        .font_charset = 1,
        .draw_text_flags = DT_CENTER_FLAG | DT_VCENTER_FLAG | DT_SINGLELINE_FLAG,
        .max_string_length = chars,
    };
}

constexpr ELEMENT_ICON lcd_icon(uint32_t first_bitmap, uint32_t pictures, PIXPOINT at, MODULE_VAR source,
                                ELEMENT_CALLBACK callback, ELEMENT_HEADER** next) {
    return ELEMENT_ICON{
        .header = element_header(ELEMENT_TYPE_ICON, first_bitmap, at, ICON_FLAGS, next),
        .source_var = source,
        .source_fn = callback,
        .picture_count = pictures,
    };
}

}  // namespace

// The chain runs from the face to the last mark, one element per next list; each
// element is declared after the one it leads to.
ELEMENT_ICON fc_scale_double_mark =
    lcd_icon(FC_DOUBLE_MARK_BITMAP, 2, {231, 88}, NO_VAR, scale_double_mark_cb, nullptr);
ELEMENT_HEADER* fc_scale_half_mark_next[] = {&fc_scale_double_mark.header, nullptr};
ELEMENT_ICON fc_scale_half_mark =
    lcd_icon(FC_HALF_MARK_BITMAP, 2, {214, 88}, TOKEN_1, scale_half_mark_cb, fc_scale_half_mark_next);
ELEMENT_HEADER* fc_speed_command_next[] = {&fc_scale_half_mark.header, nullptr};
ELEMENT_ICON fc_speed_command =
    lcd_icon(FC_SPEED_COMMAND_BITMAP, 10, {73, 92}, TOKEN_1, speed_command_cb, fc_speed_command_next);
ELEMENT_HEADER* fc_glide_bar_index_next[] = {&fc_speed_command.header, nullptr};
ELEMENT_ICON fc_glide_bar_index =
    lcd_icon(FC_GLIDE_INDEX_BITMAP, 2, {215, 143}, TOKEN_1, glide_bar_index_cb, fc_glide_bar_index_next);
ELEMENT_HEADER* fc_glide_bar_next[] = {&fc_glide_bar_index.header, nullptr};
// Starts hidden; glide_bar_cb shows and hides it through its own hidden bit.
ELEMENT_SLIDER fc_glide_bar = {
    .header = element_header(ELEMENT_TYPE_SLIDER, FC_GLIDE_BAR_BITMAP, {217, 143}, 0x40000007, fc_glide_bar_next),
    .source_var_x = TOKEN_1,
    .source_fn_x = nullptr,
    .scale_x = 0.0,
    .source_var_y = NO_VAR,
    .source_fn_y = glide_bar_cb,
    .scale_y = FC_GLIDE_BAR_SCALE,
};
ELEMENT_HEADER* fc_req_diff_label_next[] = {&fc_glide_bar.header, nullptr};
ELEMENT_ICON fc_req_diff_label =
    lcd_icon(FC_REQ_DIFF_LABEL_BITMAP, 3, {214, 188}, NO_VAR, req_diff_label_cb, fc_req_diff_label_next);
ELEMENT_HEADER* fc_alt_label_next[] = {&fc_req_diff_label.header, nullptr};
ELEMENT_ICON fc_alt_label = lcd_icon(FC_ALT_LABEL_BITMAP, 2, {108, 180}, NO_VAR, alt_label_cb, fc_alt_label_next);
ELEMENT_HEADER* fc_dist_label_next[] = {&fc_alt_label.header, nullptr};
ELEMENT_ICON fc_dist_label =
    lcd_icon(FC_DIST_LABEL_BITMAP, 2, {116, 145}, NO_VAR, dist_label_cb, fc_dist_label_next);
ELEMENT_HEADER* fc_avg_label_next[] = {&fc_dist_label.header, nullptr};
ELEMENT_ICON fc_avg_label = lcd_icon(FC_AVG_LABEL_BITMAP, 2, {169, 90}, NO_VAR, avg_label_cb, fc_avg_label_next);
ELEMENT_HEADER* fc_net_label_next[] = {&fc_avg_label.header, nullptr};
ELEMENT_ICON fc_net_label = lcd_icon(FC_NET_LABEL_BITMAP, 2, {110, 90}, NO_VAR, net_label_cb, fc_net_label_next);
ELEMENT_HEADER* fc_title_line_next[] = {&fc_net_label.header, nullptr};
ELEMENT_STRING fc_title_line = lcd_text({73, 199}, {170, 30}, 10, title_line_cb, fc_title_line_next);
ELEMENT_HEADER* fc_alt_readout_next[] = {&fc_title_line.header, nullptr};
ELEMENT_STRING fc_alt_readout = lcd_text({130, 169}, {85, 30}, 5, alt_readout_cb, fc_alt_readout_next);
ELEMENT_HEADER* fc_dist_tenths_next[] = {&fc_alt_readout.header, nullptr};
ELEMENT_STRING fc_dist_tenths = lcd_text({199, 139}, {17, 30}, 1, nullptr, fc_dist_tenths_next);
ELEMENT_HEADER* fc_dist_whole_next[] = {&fc_dist_tenths.header, nullptr};
ELEMENT_STRING fc_dist_whole = lcd_text({141, 139}, {51, 30}, 3, dist_readout_cb, fc_dist_whole_next);
ELEMENT_HEADER* fc_dist_point_next[] = {&fc_dist_whole.header, nullptr};
ELEMENT_STRING fc_dist_point = lcd_text({191, 139}, {17, 30}, 1, nullptr, fc_dist_point_next);
ELEMENT_HEADER* fc_avg_tenths_next[] = {&fc_dist_point.header, nullptr};
ELEMENT_STRING fc_avg_tenths = lcd_text({199, 104}, {17, 30}, 1, nullptr, fc_avg_tenths_next);
ELEMENT_HEADER* fc_avg_whole_next[] = {&fc_avg_tenths.header, nullptr};
ELEMENT_STRING fc_avg_whole = lcd_text({159, 104}, {34, 30}, 2, avg_readout_cb, fc_avg_whole_next);
ELEMENT_HEADER* fc_avg_point_next[] = {&fc_avg_whole.header, nullptr};
ELEMENT_STRING fc_avg_point = lcd_text({191, 104}, {17, 30}, 1, nullptr, fc_avg_point_next);
ELEMENT_HEADER* fc_net_tenths_next[] = {&fc_avg_point.header, nullptr};
ELEMENT_STRING fc_net_tenths = lcd_text({143, 104}, {17, 30}, 1, nullptr, fc_net_tenths_next);
ELEMENT_HEADER* fc_net_whole_next[] = {&fc_net_tenths.header, nullptr};
ELEMENT_STRING fc_net_whole = lcd_text({103, 104}, {34, 30}, 2, net_readout_cb, fc_net_whole_next);
ELEMENT_HEADER* fc_net_point_next[] = {&fc_net_whole.header, nullptr};
ELEMENT_STRING fc_net_point = lcd_text({135, 104}, {17, 30}, 1, nullptr, fc_net_point_next);
ELEMENT_HEADER* fc_face_next[] = {&fc_net_point.header, nullptr};

ELEMENT_STATIC_IMAGE fc_face = {
    .header = element_header(ELEMENT_TYPE_STATIC_IMAGE, FC_FACE_BITMAP, {0, 0}, 0x1, fc_face_next),
};

ELEMENT_HEADER* fc_root = &fc_face.header;

constexpr uint32_t CLICK = MOUSE_LEFTSINGLE;
constexpr uint32_t CLICK_REPEAT = MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT fc_mouse_rect[] = {
    mouse_parent({0, 0, 0, 0}, 0),
    mouse_child({85, 17, 40, 45}, CURSOR_HAND, CLICK, knob_click),           // power knob
    mouse_child({197, 25, 28, 28}, CURSOR_HAND, CLICK, go_click),            // GO button
    mouse_child({21, 182, 28, 28}, CURSOR_HAND, CLICK, left_click),          // left button
    mouse_child({268, 183, 28, 28}, CURSOR_HAND, CLICK, right_click),        // right button
    mouse_child({89, 263, 28, 28}, CURSOR_HAND, CLICK_REPEAT, up_click),     // up button
    mouse_child({199, 263, 28, 28}, CURSOR_HAND, CLICK_REPEAT, down_click),  // down button
    mouse_end_parent(),
    mouse_end_list(),
};

GAUGEHDR fc_header = standard_gauge_header("Corvantis T-KOR", &fc_root, 80);

extern const StandardGauge standard_gauge = {
    &fc_header, fc_mouse_rect,
    {.after_element_install = fc_bind_vars, .after_mouse_register = nullptr,
     .before_element_initialize = nullptr}};

extern "C" {
GAUGE_EXPORT GAUGE_LINKAGE Linkage = make_linkage(&fc_header);
}
