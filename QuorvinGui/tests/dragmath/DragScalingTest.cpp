#include "controls/DragScaling.h"

#include "localparams/LocalParameter.h"

#include <gtest/gtest.h>

TEST(DragScaling, WholeTrackSpansWholeRangeAndShortMotionTruncates)
{
    EXPECT_EQ(DragScaling::deltaFromPixels(1, 127, 0, 127, false), 1);
    EXPECT_EQ(DragScaling::deltaFromPixels(127, 127, 0, 127, false), 127);
    EXPECT_EQ(DragScaling::deltaFromPixels(1, 128, 0, 127, false), 0);
    EXPECT_EQ(DragScaling::deltaFromPixels(2, 128, 0, 127, false), 1);
    EXPECT_EQ(DragScaling::deltaFromPixels(-2, 128, 0, 127, false), -1);
    EXPECT_EQ(DragScaling::deltaFromPixels(127, 128, 0, 1, false), 0);
    EXPECT_EQ(DragScaling::deltaFromPixels(128, 128, 0, 1, false), 1);
}

TEST(DragScaling, ReversedDisplayMovesTheOtherWay)
{
    EXPECT_EQ(DragScaling::deltaFromPixels(10, 127, 0, 127, true), -10);
}

TEST(DragScaling, EmptyTrackOrOneValueRangeDoesNotDivideByZero)
{
    EXPECT_EQ(DragScaling::deltaFromPixels(10, 0, 0, 127, false), 0);
    EXPECT_EQ(DragScaling::deltaFromPixels(10, 100, 5, 5, false), 0);
    EXPECT_EQ(DragScaling::deltaFromPixels(10, 100, nullptr), 0);
}

TEST(DragScaling, WideRangeDoesNotOverflow)
{
    EXPECT_EQ(DragScaling::deltaFromPixels(100, 100, INT32_MIN, INT32_MAX, false), INT32_MAX);
}

TEST(DragScaling, FineLimitsToOneStepPerTwoPixels)
{
    EXPECT_EQ(DragScaling::limitFine(10, 10), 5);
    EXPECT_EQ(DragScaling::limitFine(-10, -10), -5);
    EXPECT_EQ(DragScaling::limitFine(-10, -3), -1);
    EXPECT_EQ(DragScaling::limitFine(2, 10), 2);
}

TEST(DragScaling, ApplyDeltaReportsChangeAndClampsToAllowedRange)
{
    LocalParameter parameter(0, 127, 120);
    EXPECT_TRUE(DragScaling::applyDelta(20, 20, parameter, 120, false));
    EXPECT_EQ(parameter.getValue(), 127);
    EXPECT_FALSE(DragScaling::applyDelta(5, 5, parameter, 127, false));
}

TEST(DragScaling, ApplyDeltaSkipsExcludedValueInDirectionOfTravel)
{
    LocalParameter parameter(0, 10, 4);
    parameter.setExcludedValue(5);
    EXPECT_TRUE(DragScaling::applyDelta(1, 1, parameter, 4, false));
    EXPECT_EQ(parameter.getValue(), 6);
    EXPECT_TRUE(DragScaling::applyDelta(-1, -1, parameter, 6, false));
    EXPECT_EQ(parameter.getValue(), 4);
}
