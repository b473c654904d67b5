// The radio's face geometry: bitmap numbers and sizes and the knob centres, shared by
// the gauge's records and the artwork so the painted knobs sit under the needles.
#pragma once

#include "frame/gauge_frame.h"

constexpr PIXPOINT COM_FACE_SIZE = {235, 237};
constexpr PIXPOINT COM_POINTER_SIZE = {32, 32};   // knob pointer bitmap
constexpr PIXPOINT COM_POINTER_PIVOT = {16, 16};
constexpr PIXPOINT COM_MARKER_SIZE = {95, 95};    // outer tuning knob marker bitmap
constexpr PIXPOINT COM_MARKER_PIVOT = {48, 48};

constexpr uint32_t COM_FACE_BITMAP = 0x1000;
constexpr uint32_t COM_POINTER_BITMAP = 0x2000;
constexpr uint32_t COM_MARKER_BITMAP = 0x3000;

// Knob centres on the face: each needle turns about its knob's centre.
constexpr PIXPOINT COM_VOLUME_CENTRE = {120, 24};
constexpr PIXPOINT COM_SELECTOR_CENTRE = {56, 190};
constexpr PIXPOINT COM_OUTER_KNOB_CENTRE = {157, 190};
constexpr PIXPOINT COM_INNER_KNOB_CENTRE = {166, 200};

// The frequency display's text box; the face's display window lies around it.
constexpr PIXPOINT COM_DISPLAY_POSITION = {34, 84};
constexpr PIXPOINT COM_DISPLAY_SIZE = {170, 46};
struct ComRgb {
    uint8_t r, g, b;
};
constexpr ComRgb COM_DISPLAY_TEXT = {15, 15, 15};
constexpr ComRgb COM_DISPLAY_WINDOW = {180, 175, 180};
// The host's colour reference: 0x00BBGGRR.
constexpr uint32_t colour_ref(ComRgb c) { return uint32_t(c.b) << 16 | uint32_t(c.g) << 8 | c.r; }

constexpr PIXPOINT COM_STORE_CENTRE = {172, 30};
