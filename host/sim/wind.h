// The wind as pilots give it: the direction it blows from and its speed.
#pragma once

#include "ground_vector.h"

struct Wind {
    double from_deg = 0.0;   // compass direction the wind comes from
    double speed_kmh = 0.0;
};

// The air's velocity over the ground [m/s]: toward the opposite of where it comes from.
inline GroundVector wind_velocity_ms(const Wind& wind) {
    return unit_toward(wind.from_deg + 180.0) * (wind.speed_kmh / 3.6);
}

// The component of the wind against a track [km/h]: positive a head wind, negative a tail wind.
inline double head_wind_kmh(const Wind& wind, double track_deg) {
    return -dot(wind_velocity_ms(wind), unit_toward(track_deg)) * 3.6;
}
