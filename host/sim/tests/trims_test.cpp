// The simulated trims: one step per event in the right direction, held at full travel,
// and the elevator trim read the same in radians and as a position.
#include <gtest/gtest.h>

#include "host/sim/trims.h"

namespace {

TEST(Trims, EachEventStepsItsTrimOneWay) {
    struct Case {
        uint32_t event_id;
        uint32_t token;
        double direction;
    } cases[] = {
        {0x1004F, 0x30F, +1}, {0x10047, 0x30F, -1}, {0x102E5, 0x311, +1},
        {0x102E4, 0x311, -1}, {0x102E7, 0x313, +1}, {0x102E6, 0x313, -1},
    };
    for (const auto& c : cases) {
        TrimState trims;
        ASSERT_TRUE(perform_trim_event(trims, c.event_id));
        EXPECT_DOUBLE_EQ(read_trim_token(trims, c.token)->n, c.direction * TRIM_STEP_RAD) << std::hex << c.event_id;
        for (uint32_t other : {0x30Fu, 0x311u, 0x313u})
            if (other != c.token) {
                EXPECT_EQ(read_trim_token(trims, other)->n, 0.0) << std::hex << c.event_id;
            }
    }
    TrimState trims;
    EXPECT_FALSE(perform_trim_event(trims, 0x100E6)) << "not a step event";
    EXPECT_FALSE(read_trim_token(trims, 0x3D).has_value());
}

TEST(Trims, StopAtFullTravel) {
    TrimState trims;
    for (int i = 0; i < 100; ++i) perform_trim_event(trims, 0x102E7);
    EXPECT_DOUBLE_EQ(trims.rudder_rad, TRIM_LIMIT_RAD);
    set_trim_token(trims, 0x311, -5);
    EXPECT_DOUBLE_EQ(trims.aileron_rad, -TRIM_LIMIT_RAD);
}

TEST(Trims, ElevatorPositionAndRadiansAreOneTrim) {
    TrimState trims;
    set_elevator_trim_position(trims, 16383);
    EXPECT_DOUBLE_EQ(read_trim_token(trims, 0x30F)->n, 0.628);
    set_trim_token(trims, 0x30F, -0.314);
    EXPECT_NEAR(elevator_trim_position(trims), -8191.5, 1e-9);
}

}  // namespace
