// The push buttons: page moves, and the range, step and wrap of every setting.
#include <gtest/gtest.h>

#include "flightcomputer/buttons.h"

namespace {

TEST(Buttons, PageMovesAlongTheRowOfPages) {
    struct Case {
        const char* name;
        int32_t page;
        int32_t after_left, after_right;
    } cases[] = {
        {"off", PAGE_OFF, PAGE_OFF, PAGE_OFF},
        {"intro", PAGE_INTRO, PAGE_INTRO, PAGE_INTRO},
        {"start", PAGE_START, PAGE_START, PAGE_START},
        {"flight time is the left end", PAGE_FLIGHT_TIME, PAGE_FLIGHT_TIME, PAGE_ALTIMETER},
        {"wind", PAGE_WIND, PAGE_ALTIMETER, PAGE_MACCREADY},
        {"vario scale", PAGE_VARIO_SCALE, PAGE_VARIO_FILTER, PAGE_ALT_MODE},
        {"altitude mode is the right end", PAGE_ALT_MODE, PAGE_VARIO_SCALE, PAGE_ALT_MODE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.page = c.page;
        press_left(state);
        EXPECT_EQ(state.page, c.after_left);
        state.page = c.page;
        press_right(state);
        EXPECT_EQ(state.page, c.after_right);
        state.page = c.page;
        press_go(state);
        EXPECT_EQ(state.page, PAGE_WIND) << "GO from every page";
    }
    // A walk from the left end to the right end visits every page of the row once.
    ComputerState state;
    state.page = PAGE_FLIGHT_TIME;
    for (int32_t page = PAGE_ALTIMETER; page <= PAGE_ALT_MODE; ++page) {
        press_right(state);
        EXPECT_EQ(state.page, page);
    }
}

// Steps of 0.1 by repeated addition do not land on the decimal values: the limits must
// still be reached exactly and held.
TEST(Buttons, SteppedSettingsReachAndHoldTheirLimits) {
    struct Case {
        const char* name;
        int32_t page;
        double ComputerState::*setting;
        double start;
        bool up;
        int steps;
        double after;  // exactly
    } cases[] = {
        {"MacCready, 40 up", PAGE_MACCREADY, &ComputerState::mac_cready, 0.0, true, 40, 4.0},
        {"MacCready, 60 up stays at 4.0", PAGE_MACCREADY, &ComputerState::mac_cready, 0.0, true, 60, 4.0},
        {"MacCready, 40 down", PAGE_MACCREADY, &ComputerState::mac_cready, 4.0, false, 40, 0.0},
        {"MacCready, 50 down stays at 0.0", PAGE_MACCREADY, &ComputerState::mac_cready, 4.0, false, 50, 0.0},
        {"compensation, 60 up", PAGE_COMPENSATION, &ComputerState::compensation, 4.0, true, 60, 9.9},
        {"compensation, 70 up stays", PAGE_COMPENSATION, &ComputerState::compensation, 4.0, true, 70, 9.9},
        {"compensation, 45 down", PAGE_COMPENSATION, &ComputerState::compensation, 4.0, false, 45, 0.0},
        {"goal height, 10 down", PAGE_GOAL_HEIGHT, &ComputerState::goal_height, 100.0, false, 10, 0.0},
        {"goal height, 12 down stays", PAGE_GOAL_HEIGHT, &ComputerState::goal_height, 100.0, false, 12, 0.0},
        {"goal height, 999 up", PAGE_GOAL_HEIGHT, &ComputerState::goal_height, 0.0, true, 999, 9990.0},
        {"goal height, 1005 up stays", PAGE_GOAL_HEIGHT, &ComputerState::goal_height, 0.0, true, 1005, 9990.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.page = c.page;
        state.*c.setting = c.start;
        for (int i = 0; i < c.steps; ++i) EXPECT_EQ(c.up ? press_up(state) : press_down(state), 0u);
        EXPECT_EQ(state.*c.setting, c.after);
    }
    ComputerState state;
    state.page = PAGE_COMPENSATION;
    for (int i = 0; i < 59; ++i) press_up(state);
    EXPECT_LT(state.compensation, 9.9) << "59 steps end just below 9.9";
    EXPECT_GT(state.compensation, 9.89);
    state.page = PAGE_GOAL_HEIGHT;
    state.goal_height = 0.0;
    for (int i = 0; i < 998; ++i) press_up(state);
    EXPECT_EQ(state.goal_height, 9980.0) << "one step short of the top";
}

TEST(Buttons, ChoicesWrapAround) {
    struct Case {
        const char* name;
        int32_t page;
        int32_t ComputerState::*setting;
        int32_t start, after_up, after_down;
    } cases[] = {
        {"filter: up toward fast", PAGE_VARIO_FILTER, &ComputerState::vario_filter, 2, 1, 3},
        {"filter: up from fast wraps to slow", PAGE_VARIO_FILTER, &ComputerState::vario_filter, 1, 3, 2},
        {"filter: down from slow wraps to fast", PAGE_VARIO_FILTER, &ComputerState::vario_filter, 3, 2, 1},
        {"scale: up toward x 2", PAGE_VARIO_SCALE, &ComputerState::vario_scale, 2, 3, 1},
        {"scale: up from x 2 wraps to x.5", PAGE_VARIO_SCALE, &ComputerState::vario_scale, 3, 1, 2},
        {"scale: down from x.5 wraps to x 2", PAGE_VARIO_SCALE, &ComputerState::vario_scale, 1, 2, 3},
        {"altitude mode from difference", PAGE_ALT_MODE, &ComputerState::altitude_mode, 1, 2, 2},
        {"altitude mode from required", PAGE_ALT_MODE, &ComputerState::altitude_mode, 2, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.page = c.page;
        state.*c.setting = c.start;
        press_up(state);
        EXPECT_EQ(state.*c.setting, c.after_up);
        state.*c.setting = c.start;
        press_down(state);
        EXPECT_EQ(state.*c.setting, c.after_down);
    }
}

TEST(Buttons, UpAndDownOnOtherPages) {
    ComputerState state;
    state.page = PAGE_ALTIMETER;
    EXPECT_EQ(press_up(state), EVENT_PRESSURE_UP);
    EXPECT_EQ(press_down(state), EVENT_PRESSURE_DOWN);
    for (int32_t page : {PAGE_OFF, PAGE_INTRO, PAGE_START, PAGE_FLIGHT_TIME, PAGE_WIND, PAGE_GOAL_ALT,
                         PAGE_ELEVATION}) {
        SCOPED_TRACE(page);
        ComputerState before;
        before.page = page;
        ComputerState after = before;
        EXPECT_EQ(press_up(after), 0u);
        EXPECT_EQ(press_down(after), 0u);
        EXPECT_EQ(after.mac_cready, before.mac_cready);
        EXPECT_EQ(after.goal_height, before.goal_height);
        EXPECT_EQ(after.compensation, before.compensation);
        EXPECT_EQ(after.vario_filter, before.vario_filter);
        EXPECT_EQ(after.vario_scale, before.vario_scale);
        EXPECT_EQ(after.altitude_mode, before.altitude_mode);
        EXPECT_EQ(after.page, page);
    }
}

}  // namespace
