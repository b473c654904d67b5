// The altimeter's geometry and bitmap numbers, shared by its declarations and its artwork,
// so the numerals, the hands and the pressure ring agree on where everything lies.
#pragma once

#include "../frame/gauge_frame.h"

constexpr PIXPOINT ALT_FACE_SIZE = {319, 322};
constexpr PIXPOINT ALT_HAND_POSITION = {158, 155};  // both hands turn here on the face
constexpr PIXPOINT ALT_HAND_SIZE = {176, 24};       // each hand's bitmap
constexpr PIXPOINT ALT_HAND_PIVOT = {54, 12};       // pivot inside the hand bitmaps
constexpr PIXPOINT ALT_HAND_DATA = {12, 155};       // carried in both needles as declared
constexpr PIXPOINT ALT_RING_CENTRE = {157, 157};    // the pressure ring turns here on the face
constexpr int ALT_RING_TEXTURE_SIZE = 256;

constexpr uint32_t ALT_FACE_BITMAP = 0x1000;
constexpr uint32_t ALT_RING_BITMAP = 0x2000;  // its mask is 0x2003
constexpr uint32_t ALT_SHORT_HAND_BITMAP = 0x3000;
constexpr uint32_t ALT_LONG_HAND_BITMAP = 0x4000;

// Hand angles: clockwise from the bitmap's +x direction; 90 puts a hand on the 0 at
// 6 o'clock, and the numerals 0..9 follow clockwise 36 degrees apart.
constexpr double ALT_ZERO_DEGREES = 90.0;
constexpr double ALT_SHORT_DEGREES_PER_M = 0.036;  // one turn per 10 km
constexpr double ALT_LONG_DEGREES_PER_M = 0.36;    // one turn per km
constexpr double ALT_METRES_PER_FOOT = 0.3048;
constexpr double ALT_UNITS_METRES = 2.0;           // token 0x14F: altitudes come in metres

// Pressure ring: the label for p hPa lies p x 3.022 degrees clockwise from the ring's
// top, so turning the ring counter-clockwise by that much brings it under the index.
constexpr double ALT_RING_DEGREES_PER_HPA = 3.022;
constexpr int ALT_RING_FIRST_LABEL_HPA = 960;
constexpr int ALT_RING_LAST_LABEL_HPA = 1070;
// The window the ring is seen through: an annulus sector around 12 o'clock.
constexpr double ALT_WINDOW_INNER_RADIUS = 85.0;
constexpr double ALT_WINDOW_OUTER_RADIUS = 113.0;
constexpr double ALT_WINDOW_LEFT_DEGREES = 25.0;   // left of vertical
constexpr double ALT_WINDOW_RIGHT_DEGREES = 29.0;  // right of vertical

// The setting knob at the lower left: its mouse box on the face.
constexpr PIXBOX ALT_KNOB_BOX = {0, 242, 80, 80};
