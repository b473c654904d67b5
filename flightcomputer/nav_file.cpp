// The navigation file "GPSNAV.QVD": goal elevation, goal distance and ground speed from
// the navigation program.
#include "nav_file.h"

#include <cstdio>

#include "frame/lenient_number.h"
#include "frame/settings_line_reader.h"

namespace {

double read_number(SettingsLineReader& reader) {
    reader.read_line();  // a failed read leaves the last line's text to parse again
    return parse_lenient_double(reader.text());
}

void mark_invalid(ComputerState& state) {
    state.nav_valid = 0;
    state.goal_elevation = 0.0;
    state.goal_distance = 0.0;
    state.ground_speed = 0.0;
    state.wind = 0.0;
}

}  // namespace

void read_nav_file(ComputerState& state) {
    std::FILE* file = open_shared_file_for_reading(NAV_FILE_NAME);
    if (file == nullptr) {
        mark_invalid(state);
        return;
    }
    SettingsLineReader reader(file);
    if (reader.read_line() && reader.contains('1')) {
        state.nav_valid = 1;
        state.goal_elevation = read_number(reader);
        state.goal_distance = read_number(reader);
        read_number(reader);  // lines 4 and 5 carry nothing the computer uses
        read_number(reader);
        state.ground_speed = read_number(reader);
    } else {
        mark_invalid(state);
    }
    std::fclose(file);
}
