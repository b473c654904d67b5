// The title texts of the wind page and the MacCready page.
#include "wind_texts.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "frame/remembered_format.h"

namespace {

// The wind's direction letters and its size in the readout's unit.
struct ShownWind {
    const char* letters;  // "HW" or "TW"
    double size;          // at least 0, or not a number
};

ShownWind shown_wind(const ComputerState& state) {
    const double wind = state.wind;
    ShownWind shown{wind > 0 ? "HW" : "TW", std::fabs(wind)};
    if (state.units_mode == 0) shown.size /= 1.852;
    return shown;
}

}  // namespace

std::string wind_title(const ComputerState& state) {
    const ShownWind wind = shown_wind(state);
    char size[16] = "--.-";
    if (wind.size <= 99.9) std::snprintf(size, sizeof size, "%4.1f", wind.size);  // false for NaN
    return std::string(wind.letters) + size + (state.nav_valid ? " A" : " M");
}

std::string maccready_title(const ComputerState& state) {
    const ShownWind wind = shown_wind(state);
    // The buttons hold mac_cready within 0.0 to 4.0, three characters.
    const double mac_cready = std::isfinite(state.mac_cready) ? state.mac_cready : 0.0;
    static RememberedFormat setting_format("%03.1f");
    const char* setting = setting_format.text(mac_cready);
    char size[16] = "--";
    if (wind.size < 99.5) std::snprintf(size, sizeof size, "%2.0f", wind.size);  // false for NaN
    if (std::strlen(size) > 2) std::strcpy(size, "--");
    return std::string("Mc") + setting + " " + wind.letters + size;
}
