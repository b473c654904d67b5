// The trim handle's one formula.
#include "trim_drag.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "trim_layout.h"

int32_t trim_position_at(int32_t y, int32_t face_height) {
    if (face_height <= 0) face_height = TRIM_FACE_HEIGHT;
    // 64 bits hold y x 32766 for every 32-bit y, and a double holds that product exactly.
    int64_t product = int64_t(y) * 32766;
    double q = std::trunc(double(product) / double(face_height));
    double position = 16363.0 - q;
    position = std::clamp(position, double(std::numeric_limits<int32_t>::min()),
                          double(std::numeric_limits<int32_t>::max()));
    return int32_t(position);
}
