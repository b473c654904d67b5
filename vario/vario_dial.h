// The variometer's dial geometry: the needle table, the pivot and the bitmaps. The gauge
// declares these rows; the artwork puts the 0 and both 5 marks where the rows point.
#pragma once

#include "../frame/gauge_frame.h"

constexpr int VARIO_FACE_SIZE = 315;
constexpr PIXPOINT VARIO_PIVOT = {157, 159};         // needle pivot on the face
constexpr PIXPOINT VARIO_NEEDLE_SIZE = {150, 25};    // needle bitmap
constexpr PIXPOINT VARIO_NEEDLE_PIVOT = {13, 13};    // pivot inside the needle bitmap

constexpr uint32_t VARIO_FACE_BITMAP = 0x1000;
constexpr uint32_t VARIO_NEEDLE_BITMAP = 0x2000;

// Vertical speed in 1/256 m/s: 1280 is 5 m/s, the end of the dial either way.
constexpr double VARIO_UNITS_PER_MPS = 256.0;
constexpr double VARIO_FULL_SCALE = 1280.0;

constexpr int VARIO_TABLE_ROWS = 3;

// Points on the face, value in 1/256 m/s, degrees filled by the host.
inline NONLINEARITY vario_nonlinearity[VARIO_TABLE_ROWS] = {
    {{221, 268}, -1280.0, 0.0},  // 5 m/s sink, the lower 5
    {{31, 157}, 0.0, 0.0},       // the 0 at 9 o'clock
    {{218, 47}, 1280.0, 0.0},    // 5 m/s climb, the upper 5
};
