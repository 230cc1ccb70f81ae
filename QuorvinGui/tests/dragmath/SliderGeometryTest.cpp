#include "controls/SliderGeometry.h"

#include "localparams/LocalParameter.h"

#include <gtest/gtest.h>

namespace {

SliderGeometry plain(std::int32_t value, std::int32_t zero, std::int32_t trackLength, bool reversed = false)
{
    return SliderGeometry::compute(value, zero, 0, 127, reversed, 1, trackLength);
}

} // namespace

TEST(SliderGeometry, PositionsSpanTheTrackInsideTheMargins)
{
    const SliderGeometry g = plain(127, 0, 129);
    EXPECT_EQ(g.start, 1);
    EXPECT_EQ(g.end, 128);
    EXPECT_EQ(g.zero, 1);
    EXPECT_EQ(g.bar, 127);
}

TEST(SliderGeometry, BarGrowsBothWaysFromTheZeroPoint)
{
    EXPECT_EQ(plain(0, 64, 129).bar, -64);
    EXPECT_EQ(plain(64, 64, 129).bar, 0);
    EXPECT_EQ(plain(100, 64, 129).zero, 65);
    EXPECT_EQ(plain(100, 64, 129).bar, 36);
}

TEST(SliderGeometry, ValueOffTheZeroPointShowsAtLeastOnePixel)
{
    EXPECT_EQ(plain(1, 0, 42).bar, 1);
    EXPECT_EQ(plain(63, 64, 42).bar, -1);
}

TEST(SliderGeometry, ReversedDisplayMirrorsValueAndZero)
{
    const SliderGeometry g = plain(10, 0, 129, true);
    EXPECT_EQ(g.zero, 128);
    EXPECT_EQ(g.bar, -10);
}

TEST(SliderGeometry, ZeroPointOutsideTheDisplayedRangeClampsToTheStart)
{
    LocalParameter parameter(0, 127, 50);
    parameter.setDisplayScale(Rational(1), Rational(10), false);
    const SliderGeometry g = SliderGeometry::forParameter(parameter, 1, 129);
    EXPECT_EQ(g.zero, 1);
    EXPECT_EQ(g.bar, 50);
}

TEST(SliderGeometry, OneValueRangeOrTinyTrackDoesNotDivideOrInvert)
{
    const SliderGeometry single = SliderGeometry::compute(5, 5, 5, 5, false, 2, 100);
    EXPECT_EQ(single.end, 2);
    EXPECT_EQ(single.bar, 0);
    const SliderGeometry tiny = plain(127, 0, 1);
    EXPECT_EQ(tiny.end, tiny.start);
}

TEST(SliderGeometry, TextGoesIntoTheLargestRegionWithTiesToLowThenHigh)
{
    EXPECT_EQ(plain(20, 0, 129).textRegion(), SliderGeometry::TextRegion::High);
    EXPECT_EQ(plain(20, 0, 129).textRegionStart(), 21);
    EXPECT_EQ(plain(120, 0, 129).textRegion(), SliderGeometry::TextRegion::Bar);
    EXPECT_EQ(plain(120, 0, 129).textRegionStart(), 1);
    EXPECT_EQ(plain(100, 127, 129).textRegion(), SliderGeometry::TextRegion::Low);
    // Below the zero point the high region starts just past the zero line.
    EXPECT_EQ(plain(60, 64, 129).textRegion(), SliderGeometry::TextRegion::High);
    EXPECT_EQ(plain(60, 64, 129).textRegionStart(), 66);
    // Low 10, bar 10, high 10: low wins; bar 10, high 10: high wins.
    const SliderGeometry threeTies{0, 30, 10, 10};
    EXPECT_EQ(threeTies.textRegion(), SliderGeometry::TextRegion::Low);
    const SliderGeometry barAndHighTie{0, 30, 0, 15};
    EXPECT_EQ(barAndHighTie.textRegion(), SliderGeometry::TextRegion::High);
}
