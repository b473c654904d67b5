// The trim display's three dials: face and needle bitmaps, pivots and the needle tables.
// The gauge declares these rows; the artwork draws each dial around the same points.
#pragma once

#include "../frame/gauge_frame.h"

constexpr PIXPOINT TRIMDISP_FACE_SIZE = {329, 174};

constexpr uint32_t TRIMDISP_FACE_BITMAP = 0x100;
constexpr uint32_t TRIMDISP_ELEV_BITMAP = 0x1100;
constexpr uint32_t TRIMDISP_RUDDER_BITMAP = 0x1200;
constexpr uint32_t TRIMDISP_AILERON_BITMAP = 0x1300;

// Pivots on the face, and the bitmaps with the pivot inside each.
constexpr PIXPOINT TRIMDISP_ELEV_PIVOT = {290, 116};     // right dial
constexpr PIXPOINT TRIMDISP_RUDDER_PIVOT = {167, 112};   // middle dial
constexpr PIXPOINT TRIMDISP_AILERON_PIVOT = {65, 109};   // left dial
constexpr PIXPOINT TRIMDISP_ELEV_NEEDLE_SIZE = {58, 20};
constexpr PIXPOINT TRIMDISP_ELEV_NEEDLE_OFS = {23, 7};
constexpr PIXPOINT TRIMDISP_RUDDER_NEEDLE_SIZE = {73, 62};
constexpr PIXPOINT TRIMDISP_RUDDER_NEEDLE_OFS = {36, 30};
constexpr PIXPOINT TRIMDISP_AILERON_NEEDLE_SIZE = {70, 25};
constexpr PIXPOINT TRIMDISP_AILERON_NEEDLE_OFS = {35, 12};

constexpr int TRIMDISP_TABLE_ROWS = 3;
// Each dial spans this much trim, radians, either side of its middle mark.
constexpr double TRIMDISP_TRIM_SPAN = 0.628;

// Points on the face, trim in radians, degrees filled by the host.
inline NONLINEARITY trimdisp_elev_table[TRIMDISP_TABLE_ROWS] = {
    {{272, 144}, -0.628, 0.0},
    {{251, 115}, 0.0, 0.0},    // 9 o'clock
    {{269, 78}, 0.628, 0.0},
};

inline NONLINEARITY trimdisp_rudder_table[TRIMDISP_TABLE_ROWS] = {
    {{123, 86}, -0.628, 0.0},
    {{167, 62}, 0.0, 0.0},     // 12 o'clock
    {{209, 88}, 0.628, 0.0},
};

inline NONLINEARITY trimdisp_aileron_table[TRIMDISP_TABLE_ROWS] = {
    {{64, 148}, -0.628, 0.0},  // 6 o'clock
    {{21, 108}, 0.0, 0.0},     // 9 o'clock
    {{64, 66}, 0.628, 0.0},    // 12 o'clock
};
