// What the altimeter's hands and pressure ring show, as pure functions of the simulator's values.
#pragma once

// Altitude in metres from the simulator's altitude and its units setting (token 0x14F):
// only exactly 2.0 means metres, everything else feet.
double alt_altitude_m(double altitude, double units);

// Hand angles in degrees clockwise from the bitmaps' +x direction; neither limited nor wrapped.
double alt_short_hand_degrees(double altitude_m);
double alt_long_hand_degrees(double altitude_m);

// The pressure ring's turn, degrees counter-clockwise, for a setting in hPa.
double alt_ring_degrees(double pressure_hpa);
