// The flight computer "Corvantis T-KOR" on the host's panel: what install binds, and an
// LCD that stays blank and unharmed while the computer is off, whatever the tokens say.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

constexpr PIXPOINT POWER_KNOB = {105, 40};
// Chain positions of the places and items looked at here.
constexpr int NET_WHOLE = 2, TITLE_LINE = 11, GLIDE_BAR = 17, SPEED_COMMAND = 19, ELEMENTS = 22;

TEST(FlightComputerInstall, BindsTheEightVariablesBetweenTheElementsAndTheMouseList) {
    TestPanel test;
    test.panel.record_calls(true);
    test.panel.load_gauge(module_path("QT.T-KOR"));
    std::vector<std::string> operations;
    std::vector<uintptr_t> tokens;
    for (const auto& call : test.panel.calls()) {
        operations.push_back(call.operation);
        if (call.operation == "initialize_var") tokens.push_back(call.args[1]);
    }
    const std::vector<std::string> expected = {
        "element_list_query", "element_list_install", "initialize_var", "initialize_var",
        "initialize_var", "initialize_var", "initialize_var", "initialize_var",
        "initialize_var", "initialize_var", "mouse_list_install", "mouse_list_register",
        "element_list_initialize"};
    EXPECT_EQ(operations, expected);
    EXPECT_EQ(tokens, (std::vector<uintptr_t>{0x14F, 0x3D, 0x4A, 0x41, 0x4B, 3, 4, 5}));
}

TEST(FlightComputerPanel, OffShowsNothingAndBadTokensHarmNothing) {
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double Inf = std::numeric_limits<double>::infinity();
    TestPanel test;
    GaugeInstance& gauge = test.panel.load_gauge(module_path("QT.T-KOR"));
    auto& elements = gauge.chain().elements();
    ASSERT_EQ(elements.size(), size_t(ELEMENTS));
    struct Case {
        const char* name;
        double value;
    } cases[] = {{"ordinary", 54.0}, {"not a number", NaN}, {"infinity", Inf}, {"huge", 1e300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (uint32_t token : {0x14Fu, 0x3Du, 0x4Au, 0x41u, 0x4Bu}) test.aircraft.set(token, c.value);
        test.panel.run_frames(5);
        for (int i : {NET_WHOLE, TITLE_LINE})
            EXPECT_STREQ(reinterpret_cast<ELEMENT_STRING*>(elements.at(i).record)->string, "");
        EXPECT_EQ(elements.at(SPEED_COMMAND).picture, 0);
        EXPECT_NE(elements.at(GLIDE_BAR).record->image_flags & IMAGE_HIDDEN, 0u) << "glide bar hidden";
    }
    EXPECT_TRUE(test.panel.press(gauge, POWER_KNOB));
    test.panel.release();
    test.panel.run_frames(5);
}

}  // namespace
