#include "controls/RangeTrack.h"

#include <gtest/gtest.h>

namespace {

using Piece = RangeTrack::Piece;
using Handle = RangeTrack::Handle;

TEST(RangeTrackTest, TrackKeepsTheMarginFreeAtBothEnds)
{
    const RangeTrack track(0, 127, 20, 167);
    EXPECT_EQ(track.position(0), 20);
    EXPECT_EQ(track.position(127), 147);
    EXPECT_EQ(track.position(64), 84);
    // A wide range on a long track must not overflow 32 bits.
    EXPECT_EQ(RangeTrack(0, 25599, 0, 1237).position(25599), 1237);
}

TEST(RangeTrackTest, OneValueRangeDoesNotDivideByZero)
{
    EXPECT_EQ(RangeTrack(5, 5, 3, 100).position(5), 0);
}

TEST(RangeTrackTest, MarginFollowsTheTextModeUnlessFixed)
{
    EXPECT_EQ(RangeTrack::margin(0, false, 2, 30), 32);
    EXPECT_EQ(RangeTrack::margin(1, false, 2, 30), 2);
    EXPECT_EQ(RangeTrack::margin(2, false, 2, 30), 0);
    EXPECT_EQ(RangeTrack::margin(0, true, 2, 30), 2);
    EXPECT_EQ(RangeTrack::margin(2, true, 2, 30), 2);
}

TEST(RangeTrackTest, NearerHandleWinsAndATieGoesByThePointersSide)
{
    EXPECT_EQ(RangeTrack::nearerHandle(3, -10), Handle::min);
    EXPECT_EQ(RangeTrack::nearerHandle(-10, 3), Handle::max);
    // Both handles in one place: pulling down or left moves the low limit.
    EXPECT_EQ(RangeTrack::nearerHandle(-4, -4), Handle::min);
    EXPECT_EQ(RangeTrack::nearerHandle(4, 4), Handle::max);
    EXPECT_EQ(RangeTrack::nearerHandle(0, 0), Handle::max);
}

TEST(RangeTrackTest, CrossedLimitsFillTowardBothEnds)
{
    EXPECT_EQ(RangeTrack::barPieces(0, 100, 20, 60), (std::vector<Piece>{{20, 40}}));
    EXPECT_EQ(RangeTrack::barPieces(0, 100, 30, 30), (std::vector<Piece>{{30, 1}}));
    EXPECT_EQ(RangeTrack::barPieces(5, 100, 70, 20), (std::vector<Piece>{{5, 15}, {70, 30}}));
}

TEST(RangeTrackTest, FixedMarginHidesTheZeroLineOnceTheBarReachesIt)
{
    EXPECT_TRUE(RangeTrack::showsZeroLine(false, 0, 100, 10));
    EXPECT_TRUE(RangeTrack::showsZeroLine(true, 40, 45, 10));
    EXPECT_FALSE(RangeTrack::showsZeroLine(true, 0, 100, 10));
}

} // namespace
