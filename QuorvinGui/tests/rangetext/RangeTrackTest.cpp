#include "controls/RangeTrack.h"

#include <gtest/gtest.h>

namespace {

TEST(RangeTrackTest, PositionsKeepTheMarginFreeAndNeverDivideByZeroOrOverflow)
{
    const RangeTrack track(0, 127, 20, 167);
    EXPECT_EQ(track.position(0), 20);
    EXPECT_EQ(track.position(64), 84);
    EXPECT_EQ(track.position(127), 147);
    EXPECT_EQ(RangeTrack(0, 25599, 0, 1237).position(25599), 1237);
    EXPECT_EQ(RangeTrack(5, 5, 3, 100).position(5), 0);
}

TEST(RangeTrackTest, HandlesInOnePlacePartByThePointersSide)
{
    using Handle = RangeTrack::Handle;
    EXPECT_EQ(RangeTrack::nearerHandle(3, -10), Handle::min);
    EXPECT_EQ(RangeTrack::nearerHandle(-10, 3), Handle::max);
    EXPECT_EQ(RangeTrack::nearerHandle(-4, -4), Handle::min);
    EXPECT_EQ(RangeTrack::nearerHandle(0, 0), Handle::max);
}

} // namespace
