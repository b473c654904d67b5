// Needle angles from a table: the airspeed indicator's spiral as the independent check.
#include <gtest/gtest.h>

#include <cmath>

#include "asi/asi_scale.h"
#include "host/core/needle_angle.h"

namespace {

const double ASI_ROW_DIRECTIONS[ASI_TABLE_ROWS] = {88.6, 113.5, 160.8, 215.8, 262.2,
                                                   305.7, 364.7, 447.7, 523.9, 591.3};

TEST(NeedleTable, RowsWindOnThroughOneAndAHalfTurns) {
    auto degrees = table_degrees(ASI_PIVOT, asi_nonlinearity, ASI_TABLE_ROWS);
    ASSERT_EQ(degrees.size(), size_t(ASI_TABLE_ROWS));
    for (int row = 0; row < ASI_TABLE_ROWS; ++row)
        EXPECT_NEAR(degrees[row], ASI_ROW_DIRECTIONS[row], 0.1) << "row " << row;
}

TEST(NeedleTable, ValuesBetweenAndBeyondRows) {
    auto degrees = table_degrees(ASI_PIVOT, asi_nonlinearity, ASI_TABLE_ROWS);
    for (int row = 0; row + 1 < ASI_TABLE_ROWS; ++row) {
        double midway = (asi_nonlinearity[row].value + asi_nonlinearity[row + 1].value) / 2;
        EXPECT_NEAR(table_angle(asi_nonlinearity, degrees, midway), (degrees[row] + degrees[row + 1]) / 2, 1e-9)
            << "midway after row " << row;
    }
    EXPECT_DOUBLE_EQ(table_angle(asi_nonlinearity, degrees, -5.0), degrees[0]);
    EXPECT_DOUBLE_EQ(table_angle(asi_nonlinearity, degrees, 500.0), degrees[9]);
    EXPECT_TRUE(std::isnan(table_angle(asi_nonlinearity, degrees, std::nan(""))));
}

TEST(NeedleTable, ShortWayRoundAcrossZero) {
    NONLINEARITY rows[] = {{{100, -10}, 0, 0}, {{90, 10}, 1, 0}};  // 354 degrees, then just past 0
    auto degrees = table_degrees({0, 0}, rows, 2);
    EXPECT_NEAR(degrees[1] - degrees[0], 12.0, 1.0);
}

TEST(NeedleTurnLimit, StepsTowardTheGoal) {
    struct Case {
        double current, goal;
        int limit;
        double expected;
    } cases[] = {
        {88.6, 591.3, 10, 98.6}, {591.3, 88.6, 10, 581.3}, {100, 104, 10, 104}, {100, 400, 0, 400}, {100, 90, 10, 90},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(limit_turn(c.current, c.goal, c.limit), c.expected)
            << c.current << " -> " << c.goal << " limit " << c.limit;
}

}  // namespace
