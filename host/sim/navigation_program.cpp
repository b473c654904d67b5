// Formatting and atomically writing the navigation file.
#include "navigation_program.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

std::string navigation_file_text(bool valid, const NavigationFix& fix) {
    if (!valid) return "0\n0\n0\n0\n0\n0\n";
    // Each line stays well inside the eleven characters the flight computer reads at a time.
    char text[128];
    std::snprintf(text, sizeof text, "1\n%.0f\n%.2f\n%.0f\n%.0f\n%.1f\n", fix.goal_elevation_m, fix.goal_distance_km,
                  fix.goal_bearing_deg, fix.track_deg, fix.ground_speed_kmh);
    return text;
}

void write_file_atomically(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) throw std::runtime_error("cannot write " + temporary.string());
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) throw std::runtime_error("cannot rename " + temporary.string() + " to " + path.string() + ": " + error.message());
}

bool NavigationProgram::step(int64_t now_ms, const NavigationFix& fix) {
    if (!due(now_ms)) return false;
    write_file_atomically(folder / NAVIGATION_FILE_NAME, navigation_file_text(mode == NavigationMode::Valid, fix));
    last_second_ = now_ms / 1000;
    return true;
}
