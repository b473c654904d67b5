// The trim handle's geometry, shared by its gauge records and its artwork program.
#pragma once

#include <cstdint>

constexpr uint32_t TRIM_FACE_BITMAP = 0x1000;
constexpr uint32_t TRIM_KNOB_BITMAP = 0x2000;

constexpr int TRIM_FACE_WIDTH = 64;
constexpr int TRIM_FACE_HEIGHT = 225;

// The slot the knob slides in, and its five ticks.
constexpr int TRIM_SLOT_TOP = 25;
constexpr int TRIM_SLOT_BOTTOM = 199;
constexpr int TRIM_SLOT_WIDTH = 21;
constexpr int TRIM_SLOT_CENTRE_X = 32;
constexpr int TRIM_TICK_LEFT = 14;
constexpr int TRIM_TICK_RIGHT = 50;
constexpr int TRIM_TICK_ROWS[] = {33, 73, 112, 151, 191};

// The knob bitmap: a ball with a stem rising from it.
constexpr int TRIM_KNOB_SIZE = 65;
constexpr int TRIM_BALL_DIAMETER = 45;
constexpr int TRIM_BALL_CENTRE_Y = 38;  // below the bitmap's top edge
constexpr int TRIM_STEM_WIDTH = 9;
constexpr int TRIM_STEM_TOP = 3;

// The knob's place at trim 0, and how far it moves per unit of trim position.
constexpr int TRIM_KNOB_X = 0;
constexpr int TRIM_KNOB_Y = 78;
constexpr double TRIM_KNOB_PIXELS_PER_UNIT = 0.004775;
