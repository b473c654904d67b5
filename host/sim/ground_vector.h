// A horizontal vector over the ground: metres (or metres a second) east and north.
#pragma once

#include <cmath>
#include <numbers>

struct GroundVector {
    double east = 0.0;
    double north = 0.0;
};

inline GroundVector operator+(GroundVector a, GroundVector b) { return {a.east + b.east, a.north + b.north}; }
inline GroundVector operator-(GroundVector a, GroundVector b) { return {a.east - b.east, a.north - b.north}; }
inline GroundVector operator*(GroundVector a, double k) { return {a.east * k, a.north * k}; }
inline double length(GroundVector a) { return std::hypot(a.east, a.north); }
inline double dot(GroundVector a, GroundVector b) { return a.east * b.east + a.north * b.north; }

// The unit vector of a compass direction: degrees clockwise from north.
inline GroundVector unit_toward(double bearing_deg) {
    const double r = bearing_deg * std::numbers::pi / 180.0;
    return {std::sin(r), std::cos(r)};
}

// The compass direction of a vector, 0 to 360 degrees clockwise from north.
inline double bearing_deg(GroundVector a) {
    const double deg = std::atan2(a.east, a.north) * 180.0 / std::numbers::pi;
    return deg < 0.0 ? deg + 360.0 : deg;
}
