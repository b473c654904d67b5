// The LCD's label and mark icons: a picture while the computer is on and the item shown.
#pragma once

#include <cstdint>

#include "computer_state.h"

// 1 while the computer is on and the item's show flag is set, else 0 (blank).
int32_t label_picture(const ComputerState& state, int32_t shown);

// 1 "Req" while show_req, else 2 "Diff" while show_diff, else 0; 0 while off.
int32_t req_diff_picture(const ComputerState& state);
