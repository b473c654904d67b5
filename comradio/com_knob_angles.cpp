// Where each knob's mark points, in degrees clockwise from 3 o'clock.
#include "com_radio.h"

// Volume 0 points to 6 o'clock, 30 degrees a step, volume 9 to 3 o'clock.
int32_t com_volume_angle(const ComRadioState& radio) { return 90 + 30 * radio.volume; }

// Position 0 (label 4) at -165, position 4 (A) at -45: raising a position turns clockwise.
int32_t com_selector_angle(const ComRadioState& radio) { return 30 * radio.channel - 165; }

// The outer knob's dot starts at 12 o'clock (the marker bitmap draws it there).
int32_t com_whole_knob_angle(const ComRadioState& radio) { return 19 * radio.whole_knob; }

// 18 degrees a step: twenty steps a turn.
int32_t com_fraction_knob_angle(const ComRadioState& radio) { return 18 * radio.fraction_knob - 135; }
