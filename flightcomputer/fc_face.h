// The flight computer's face geometry and LCD colours, shared by the gauge's records
// and the artwork so the painted LCD window lies under the readouts.
#pragma once

#include "frame/gauge_frame.h"

constexpr PIXPOINT FC_FACE_SIZE = {315, 315};

struct FcRgb {
    uint8_t r, g, b;
};
constexpr FcRgb FC_LCD_GREY = {162, 162, 162};       // the LCD's background
constexpr FcRgb FC_LCD_INK = {8, 8, 8};              // labels and marks on the LCD
constexpr FcRgb FC_BEZEL = {170, 167, 169};
constexpr uint32_t FC_STRING_BACKGROUND = 0xA5A5A5;  // behind the readouts' text
constexpr uint32_t FC_STRING_TEXT = 0x000000;

// Bitmaps; an icon's picture k is its first bitmap + 3 k.
constexpr uint32_t FC_FACE_BITMAP = 0x1000;
constexpr uint32_t FC_SPEED_COMMAND_BITMAP = 0x2000;  // 10 pictures
constexpr uint32_t FC_GLIDE_BAR_BITMAP = 0x3000;
constexpr uint32_t FC_NET_LABEL_BITMAP = 0x3800;
constexpr uint32_t FC_AVG_LABEL_BITMAP = 0x4000;
constexpr uint32_t FC_DIST_LABEL_BITMAP = 0x4800;
constexpr uint32_t FC_ALT_LABEL_BITMAP = 0x5000;
constexpr uint32_t FC_REQ_DIFF_LABEL_BITMAP = 0x5800;  // 3 pictures
constexpr uint32_t FC_GLIDE_INDEX_BITMAP = 0x6000;
constexpr uint32_t FC_DOUBLE_MARK_BITMAP = 0x6800;
constexpr uint32_t FC_HALF_MARK_BITMAP = 0x7000;

constexpr PIXPOINT FC_SPEED_COMMAND_SIZE = {32, 102};
constexpr PIXPOINT FC_GLIDE_BAR_SIZE = {30, 7};
constexpr PIXPOINT FC_GLIDE_INDEX_SIZE = {32, 6};
constexpr PIXPOINT FC_NET_LABEL_SIZE = {17, 10};
constexpr PIXPOINT FC_AVG_LABEL_SIZE = {18, 13};
constexpr PIXPOINT FC_DIST_LABEL_SIZE = {18, 11};
constexpr PIXPOINT FC_ALT_LABEL_SIZE = {15, 12};
constexpr PIXPOINT FC_REQ_DIFF_LABEL_SIZE = {18, 11};
constexpr PIXPOINT FC_MARK_SIZE = {14, 14};

// The glide bar moves 0.05 px per metre: +-25 px for +-500 m.
constexpr double FC_GLIDE_BAR_SCALE = 0.05;
