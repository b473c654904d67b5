// The attitude indicator's geometry and bitmap numbers, shared by its declarations and
// its artwork, so the sprites, their masks and the miniature aircraft line up.
#pragma once

#include "../frame/gauge_frame.h"

constexpr int ADI_FACE_SIZE = 310;
constexpr PIXPOINT ADI_CENTRE = {153, 166};  // the miniature aircraft's dot; both textures turn here
constexpr int ADI_TEXTURE_SIZE = 256;        // both textures; the horizon lies between rows 127 and 128

constexpr uint32_t ADI_FACE_BITMAP = 0x1000;
constexpr uint32_t ADI_BALL_BITMAP = 0x2000;  // its mask is 0x2003
constexpr uint32_t ADI_RING_BITMAP = 0x3000;  // its mask is 0x3003

// Pitch ball: its mask's place and size on the face, and the texture's scale.
constexpr PIXPOINT ADI_BALL_MASK_POSITION = {59, 69};
constexpr PIXPOINT ADI_BALL_MASK_SIZE = {192, 168};
constexpr float ADI_BALL_TEXTURE_SCALE = 0.86f;
constexpr PIXPOINT ADI_BALL_TEXTURE_POINT = {87, 96};  // carried as declared

// Bank ring: its mask's place and size on the face, and the texture's scale.
constexpr PIXPOINT ADI_RING_MASK_POSITION = {36, 45};
constexpr PIXPOINT ADI_RING_MASK_SIZE = {237, 192};
constexpr float ADI_RING_TEXTURE_SCALE = 1.03f;
constexpr PIXPOINT ADI_RING_TEXTURE_POINT = {71, 79};  // carried as declared

// Pitch: the ball moves 2 texture pixels a degree, up to 45 degrees either way; the
// ladder's 5, 10, 15 and 20 degree lines lie these many texture pixels from the horizon.
constexpr double ADI_PITCH_LIMIT_DEGREES = 45.0;
constexpr double ADI_PITCH_PIXELS_PER_DEGREE = 2.0;
constexpr int ADI_LADDER_PIXELS[4] = {11, 21, 31, 41};

// The miniature aircraft and the bank index, fixed on the face (pixel rows and columns).
constexpr int ADI_WING_LEFT = 77, ADI_WING_RIGHT = 230;  // columns of the wing bars
constexpr int ADI_WING_TOP = 163, ADI_WING_BOTTOM = 169; // rows of the wing bars
constexpr int ADI_INDEX_LEFT = 146, ADI_INDEX_RIGHT = 164, ADI_INDEX_TOP = 69, ADI_INDEX_BOTTOM = 84;
constexpr int ADI_INDEX_LINE_TOP = 45;  // the thin line above the index reaches up to here
