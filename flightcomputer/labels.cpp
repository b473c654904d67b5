// The LCD's label and mark icons: a picture while the computer is on and the item shown.
#include "labels.h"

int32_t label_picture(const ComputerState& state, int32_t shown) {
    return state.power_on && shown ? 1 : 0;
}

int32_t req_diff_picture(const ComputerState& state) {
    if (!state.power_on) return 0;
    if (state.show_req) return 1;
    return state.show_diff ? 2 : 0;
}
