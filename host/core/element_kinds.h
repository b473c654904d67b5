// Install and update of the string, slider, icon and sprite elements: text buffers,
// icon pictures, sprite masks, and the offsets, picture numbers and turns each update
// makes of the elements' sources and callbacks.
#pragma once

#include <string>

#include "element_chain.h"

// The longest text a string element may declare; beyond it the record is taken as corrupt.
constexpr uint32_t STRING_MAX_CHARS_LIMIT = 65535;
// The most pictures an icon may declare; beyond it the record is taken as corrupt.
constexpr uint32_t ICON_MAX_PICTURES = 1024;

// Each sets error (and leaves the element without what it lacks) when it can't.
void install_string(ElementState& state, std::string& error);
void install_slider(ElementState& state, const BitmapLookup& bitmaps, std::string& error);
void install_icon(ElementState& state, const BitmapLookup& bitmaps, std::string& error);
void install_sprite(ElementState& state, const BitmapLookup& bitmaps, std::string& error);
// Releases the string's text buffer and clears the record's pointer to it.
void kill_string(ElementState& state);

// Failure actions as for needles: freeze keeps what the last update made, zero shows 0.
void update_string(ElementState& state, const SimulatorVariables& sim, uint32_t failure_action);
void update_slider(ElementState& state, const SimulatorVariables& sim, uint32_t failure_action);
void update_icon(ElementState& state, const SimulatorVariables& sim, uint32_t failure_action);
void update_sprite(ElementState& state, const SimulatorVariables& sim, uint32_t failure_action);

// An axis's value: the callback's result, else the variable's value; an axis without
// token and callback stays at 0 whatever the module left in its variable.
double axis_value(MODULE_VAR& var, ELEMENT_CALLBACK callback, const SimulatorVariables& sim);

// The icon picture a value selects, or -1 when it is no number or outside 0..count-1.
int icon_picture(double value, size_t picture_count);
