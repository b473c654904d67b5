// The volume knob: ten positions with stops at 0 and 9; it only turns its picture.
#include "com_radio.h"

void com_volume_up(ComRadioState& radio) {
    if (radio.volume < COM_MAX_VOLUME) ++radio.volume;
}

void com_volume_down(ComRadioState& radio) {
    if (radio.volume > 0) --radio.volume;
}
