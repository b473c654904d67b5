// The flight computer's one state record, with the values every load starts from.
#pragma once

#include <cstdint>

// LCD pages; the numbers 3 to 17 are never used.
enum ComputerPage : int32_t {
    PAGE_OFF = 0,
    PAGE_INTRO = 1,
    PAGE_START = 2,
    PAGE_FLIGHT_TIME = 18,
    PAGE_ALTIMETER = 19,
    PAGE_WIND = 20,
    PAGE_MACCREADY = 21,
    PAGE_GOAL_ALT = 22,
    PAGE_ELEVATION = 23,
    PAGE_GOAL_HEIGHT = 24,
    PAGE_COMPENSATION = 25,
    PAGE_VARIO_FILTER = 26,
    PAGE_VARIO_SCALE = 27,
    PAGE_ALT_MODE = 28,
};

// Window lengths of the moving averages (5 x damping 8 + 25 for the fast ones).
constexpr int AIR_DATA_WINDOW = 65;
constexpr int CLIMB_READOUT_WINDOW = 300;
constexpr int WIND_WINDOW = 100;

// Owned by the module in static storage, alive from load to unload; nothing is saved
// between sessions. Flags are 32-bit integers used as booleans.
struct ComputerState {
    int32_t power_on = 0;
    int32_t page = PAGE_OFF;
    int32_t units_mode = 0;  // last reading of the units token: 0, 1 or 2

    // What the LCD shows.
    int32_t show_speed_command = 0;
    int32_t show_net = 0;
    int32_t show_avg = 0;
    int32_t show_dist = 0;
    int32_t show_alt = 0;
    int32_t show_req = 0;
    int32_t show_diff = 0;
    int32_t show_glide_bar = 0;
    int32_t show_scale_half = 0;
    int32_t show_scale_double = 0;

    // Pilot settings.
    int32_t vario_filter = 2;    // 1 fast, 2 standard, 3 slow
    int32_t vario_scale = 2;     // 1 "x.5", 2 "x 1", 3 "x 2"
    int32_t altitude_mode = 1;   // 1 altitude difference, 2 altitude required
    double compensation = 4.0;   // total-energy compensation, 0.0 to 9.9
    double goal_height = 100.0;  // safety height above the goal [m]
    double mac_cready = 0.0;     // [m/s], 0.0 to 4.0

    // Constants.
    int32_t te_factor = 1000;
    int32_t te_damping = 8;
    int32_t netto_damping = 8;

    // The glider polar: vertical speed [m/s] at v [km/h] is a v^2 / q + b v + c q.
    double polar_a = -0.0030313;
    double polar_b = 0.0264985;
    double polar_c = -0.0914313;
    double glider_mass = 410.0;  // [kg]
    double wing_area = 10.5;     // [m^2]

    double altitude = 0.0;  // altitude token as delivered, at most 9999

    // Air data.
    double airspeed = 0.0;           // [km/h] at the latest computation
    double previous_airspeed = 0.0;  // [km/h] at the computation before
    double te_vario = 0.0;           // total-energy climb rate, averaged [m/s]
    double polar_sink = 0.0;         // polar at airspeed, not averaged [m/s]
    double netto = 0.0;              // air-mass climb rate, averaged [m/s]

    // Speed to fly, wind and final glide.
    double speed_to_fly = 0.0;          // averaged [km/h]
    double sink_at_speed_to_fly = 0.0;  // polar at speed_to_fly [m/s]
    double wind = 0.0;                  // head-wind component, averaged [km/h]
    double wind_airspeed = 0.0;         // [km/h], at most 999
    double goal_altitude = 0.0;         // goal_elevation + goal_height [m]
    double required_altitude = 0.0;     // altitude to arrive over the goal [m]
    // 0 when the ground speed of the glide is 0 or less (a head wind at least as
    // strong as the glide speed) or the glide has no finite result: no altitude
    // will do, and required_altitude then holds only goal_altitude (or 0 when that
    // is not a number), never a negative or non-finite stand-in.
    int32_t goal_reachable = 1;

    // From the navigation file.
    int32_t nav_valid = 0;
    double goal_elevation = 0.0;  // [m]
    double goal_distance = 0.0;   // [km]
    double ground_speed = 0.0;    // [km/h]

    // Power and clock.
    int32_t switch_on_ms = 0;
    int32_t start_seconds = 0;
    int32_t clock_seconds = 0;
    int32_t flight_seconds = 0;

    // Time gates [ms of the module clock] and histories; never cleared by power changes.
    int32_t compute_last_ms = 0;
    int32_t net_last_ms = 0;
    int32_t avg_last_ms = 0;
    int32_t wind_last_ms = 0;
    double te_history[AIR_DATA_WINDOW] = {};
    double netto_history[AIR_DATA_WINDOW] = {};
    double stf_history[AIR_DATA_WINDOW] = {};
    double net_history[CLIMB_READOUT_WINDOW] = {};
    double avg_history[CLIMB_READOUT_WINDOW] = {};
    double wind_history[WIND_WINDOW] = {};
};
