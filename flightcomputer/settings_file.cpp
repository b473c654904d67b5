// The settings file "T-KOR.QVD" through which the variometer follows the computer.
#include "settings_file.h"

#include <cmath>
#include <cstdio>

std::string settings_file_text(const ComputerState& state) {
    // The buttons keep compensation within 0.0 to 9.9; a value that is not a number
    // would still never reach the variometer as "nan".
    const double compensation = std::isfinite(state.compensation) ? state.compensation : 0.0;
    char text[64];
    std::snprintf(text, sizeof text, "%s\n%1d\n%1d\n%3.1f\n", state.power_on ? "1" : "0",
                  int(state.vario_filter), int(state.vario_scale), compensation);
    return text;
}

void write_settings_file(const ComputerState& state) {
    std::FILE* file = std::fopen(SETTINGS_FILE_NAME, "wt");
    if (file == nullptr) file = std::fopen(SETTINGS_FILE_NAME, "at");
    if (file == nullptr) return;
    std::fputs(settings_file_text(state).c_str(), file);
    std::fclose(file);
}
