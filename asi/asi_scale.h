// The airspeed indicator's dial geometry: the needle table and the points the face is
// drawn around. The gauge declares these rows; the artwork puts each labelled mark
// where its row points, so the two cannot drift apart.
#pragma once

#include "../frame/gauge_frame.h"

constexpr int ASI_FACE_SIZE = 315;
constexpr PIXPOINT ASI_PIVOT = {157, 157};          // needle pivot on the face
constexpr PIXPOINT ASI_NEEDLE_SIZE = {164, 19};     // needle bitmap
constexpr PIXPOINT ASI_NEEDLE_PIVOT = {48, 9};      // pivot inside the needle bitmap
constexpr double ASI_KNOTS_PER_KMH = 0.54;          // the table's value column: km/h x 0.54
constexpr double ASI_MAX_KNOTS = 162.0;             // 300 km/h

constexpr uint32_t ASI_FACE_BITMAP = 0x1000;
constexpr uint32_t ASI_NEEDLE_BITMAP = 0x2000;

constexpr int ASI_TABLE_ROWS = 10;

// Points on the face, value in knots, degrees filled by the host.
inline NONLINEARITY asi_nonlinearity[ASI_TABLE_ROWS] = {
    {{160, 276}, 0.0, 0.0},    // start mark of the scale, 6 o'clock
    {{111, 263}, 21.6, 0.0},   // 40 km/h
    {{51, 194}, 32.4, 0.0},    // 60 km/h
    {{67, 92}, 43.2, 0.0},     // 80 km/h
    {{142, 48}, 54.0, 0.0},    // 100 km/h, near 12 o'clock
    {{221, 68}, 64.8, 0.0},    // 120 km/h
    {{255, 165}, 81.0, 0.0},   // 150 km/h, 3 o'clock
    {{160, 231}, 108.0, 0.0},  // 200 km/h, inner turn at 6 o'clock
    {{91, 176}, 135.0, 0.0},   // 250 km/h
    {{113, 102}, 162.0, 0.0},  // 300 km/h
};

// The dial mark of each row in km/h; 0 marks the start of the scale (no label).
constexpr int asi_row_kmh[ASI_TABLE_ROWS] = {0, 40, 60, 80, 100, 120, 150, 200, 250, 300};
