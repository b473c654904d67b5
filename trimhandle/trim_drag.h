// The elevator trim position a click or drag at a height of the face asks for.
#pragma once

#include <cstdint>

// The event that sets the elevator trim position.
constexpr uint32_t TRIM_SET_EVENT = 0x100E6;

// One face height spans 32766 units, the top row asks for 16363; the quotient is
// truncated toward zero. Exact for any y, however far outside the face the drag goes;
// the result is limited to what a signed 32-bit value holds. A face height of 0 or less
// (no face installed) counts as the face's own 225 rows.
int32_t trim_position_at(int32_t y, int32_t face_height);
