// The glider's polar: its vertical speed through the air at an indicated airspeed, in
// straight flight and in turns, and the MacCready speed to fly. The coefficients are
// the ones the flight computer carries, so that the computer's netto reads zero in
// still air.
#pragma once

struct GliderPolar {
    double a = -0.0030313;  // of the squared airspeed
    double b = 0.0264985;   // of the airspeed
    double c = -0.0914313;  // constant
    double mass_kg = 410.0;
    double wing_area_m2 = 10.5;
};

constexpr double GRAVITY_MS2 = 9.81;

// The polar's speed scale: the square root of the wing loading [N/m^2] times the load
// factor. A turn at load factor n flies the polar of a glider n times as heavy.
double polar_scale(const GliderPolar& polar, double load_factor);

// Vertical speed [m/s] at sea-level density, negative when sinking, at an indicated
// airspeed [km/h] and load factor.
double polar_sink_ms(const GliderPolar& polar, double airspeed_kmh, double load_factor = 1.0);

// Airspeed [km/h] of least sink at a load factor.
double min_sink_speed_kmh(const GliderPolar& polar, double load_factor = 1.0);

// The MacCready speed to fly [km/h] for a setting [m/s] and the air's own rising speed
// (netto) [m/s]: the airspeed whose polar tangent passes through the setting less the
// netto. Where lift outweighs the setting this has no answer; the least-sink speed is
// the one to fly there.
double speed_to_fly_kmh(const GliderPolar& polar, double maccready_ms, double netto_ms);
