// The settings file "T-KOR.QVD" through which the variometer follows the computer.
#include "settings_file.h"

#include <cmath>
#include <cstdio>

#include "frame/remembered_format.h"

std::string settings_file_text(const ComputerState& state) {
    // The buttons keep compensation within 0.0 to 9.9; a value that is not a number
    // would still never reach the variometer as "nan".
    const double compensation = std::isfinite(state.compensation) ? state.compensation : 0.0;
    // Rewritten every frame, it changes only when a button is pressed.
    static RememberedFormat compensation_text("%3.1f");
    return std::string(state.power_on ? "1" : "0") + "\n" + std::to_string(state.vario_filter) + "\n" +
           std::to_string(state.vario_scale) + "\n" + compensation_text.text(compensation) + "\n";
}

void write_settings_file(const ComputerState& state) {
    std::FILE* file = std::fopen(SETTINGS_FILE_NAME, "wt");
    if (file == nullptr) file = std::fopen(SETTINGS_FILE_NAME, "at");
    if (file == nullptr) return;
    std::fputs(settings_file_text(state).c_str(), file);
    std::fclose(file);
}
