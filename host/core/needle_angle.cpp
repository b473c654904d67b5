// Needle angles from nonlinearity tables and the per-update turn limit.
#include "needle_angle.h"

#include <cmath>
#include <numbers>

namespace {

double direction_degrees(PIXPOINT from, PIXPOINT to) {
    double degrees = std::atan2(double(to.y - from.y), double(to.x - from.x)) * 180.0 / std::numbers::pi;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

}  // namespace

std::vector<double> table_degrees(PIXPOINT pivot, const NONLINEARITY* rows, size_t row_count) {
    std::vector<double> degrees;
    degrees.reserve(row_count);
    for (size_t i = 0; i < row_count; ++i) {
        double raw = direction_degrees(pivot, rows[i].pt);
        if (i == 0) {
            degrees.push_back(raw);
            continue;
        }
        double turn = std::remainder(raw - degrees.back(), 360.0);  // the short way, -180..180
        degrees.push_back(degrees.back() + turn);
    }
    return degrees;
}

double table_angle(const NONLINEARITY* rows, const std::vector<double>& degrees, double value) {
    if (std::isnan(value)) return value;
    size_t last = degrees.size() - 1;
    if (value <= rows[0].value) return degrees[0];
    if (value >= rows[last].value) return degrees[last];
    for (size_t i = 0; i < last; ++i) {
        if (value < rows[i + 1].value) {
            double span = rows[i + 1].value - rows[i].value;
            double t = span > 0 ? (value - rows[i].value) / span : 0.0;
            return degrees[i] + t * (degrees[i + 1] - degrees[i]);
        }
    }
    return degrees[last];
}

double limit_turn(double current, double goal, int max_degrees_per_tick) {
    if (max_degrees_per_tick <= 0) return goal;
    double step = goal - current;
    double limit = max_degrees_per_tick;
    if (step > limit) return current + limit;
    if (step < -limit) return current - limit;
    return goal;
}
