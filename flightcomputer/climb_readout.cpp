// The Net and Avg climb-rate readouts: whole part, point and tenths in three places.
#include "climb_readout.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <span>

#include "frame/moving_average.h"

ClimbTexts format_climb_rate(double climb_ms, int32_t units_mode) {
    const double value = (units_mode >= 0 && units_mode <= 1) ? climb_ms * 1.9438 : climb_ms;
    ClimbTexts texts{"--", ".", "-"};
    if (!std::isfinite(value) || std::fabs(value) >= 1000.0) return texts;
    char text[16];
    std::snprintf(text, sizeof text, "%4.1f", value);
    if (std::strlen(text) != 4) return texts;  // five characters or more do not fit
    texts.whole[0] = text[0];
    texts.whole[1] = text[1];
    texts.tenths[0] = text[3];
    return texts;
}

namespace {

ClimbReadout step_readout(ComputerState& state, int32_t now_ms, int32_t shown,
                          int32_t& last_ms, std::span<double> history, double climb_ms) {
    if (!state.power_on || !shown) {
        last_ms = now_ms;
        return {ReadoutAction::Blank, {"", "", ""}};
    }
    if (uint32_t(now_ms) - uint32_t(last_ms) <= 100u) return {ReadoutAction::Keep, {"", "", ""}};
    const double average = moving_average(history, climb_ms);
    last_ms = now_ms;
    return {ReadoutAction::Show, format_climb_rate(average, state.units_mode)};
}

}  // namespace

ClimbReadout step_net_readout(ComputerState& state, int32_t now_ms) {
    return step_readout(state, now_ms, state.show_net, state.net_last_ms, state.net_history,
                        state.netto);
}

ClimbReadout step_avg_readout(ComputerState& state, int32_t now_ms) {
    return step_readout(state, now_ms, state.show_avg, state.avg_last_ms, state.avg_history,
                        state.te_vario);
}
