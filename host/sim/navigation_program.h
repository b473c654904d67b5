// The navigation program beside the simulator: once a second of simulated time it
// writes "GPSNAV.QVD" in the working directory for the flight computer — validity, goal
// elevation [m], goal distance [km], bearing to the goal and the track [degrees], ground
// speed [km/h], one a line — by writing a new file and renaming it over the old one, so
// that a reader never sees half a file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

enum class NavigationMode { Off, Valid, Invalid };

struct NavigationFix {
    double goal_elevation_m = 0.0;
    double goal_distance_km = 0.0;
    double goal_bearing_deg = 0.0;
    double track_deg = 0.0;
    double ground_speed_kmh = 0.0;
};

constexpr const char* NAVIGATION_FILE_NAME = "GPSNAV.QVD";

// The file's text; an invalid file says so on its first line and carries zeros.
std::string navigation_file_text(bool valid, const NavigationFix& fix);

// Writes text to path through a sibling temporary file and a rename. Throws
// std::runtime_error naming the file when it can't.
void write_file_atomically(const std::filesystem::path& path, const std::string& text);

class NavigationProgram {
public:
    NavigationMode mode = NavigationMode::Valid;
    std::filesystem::path folder = ".";

    // Writes the file at the first call in each whole second of simulated time;
    // switched off it leaves the file as it is. True when it wrote.
    bool step(int64_t now_ms, const NavigationFix& fix);
    // Whether step would write at this time: the fix need only be worked out then.
    bool due(int64_t now_ms) const { return mode != NavigationMode::Off && now_ms / 1000 != last_second_; }

private:
    int64_t last_second_ = -1;
};
