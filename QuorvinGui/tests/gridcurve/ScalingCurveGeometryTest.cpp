#include "controls/ScalingCurveGeometry.h"

#include <gtest/gtest.h>

namespace {

using Segment = ScalingCurveGeometry::Segment;

constexpr int width = 101;
constexpr int height = 51;

} // namespace

TEST(ScalingCurveGeometry, BothSidesShareTheHeightAndAPositiveSlopeRisesOnEachSide)
{
    const ScalingCurveGeometry curve(width, height, ScalingCurveGeometry::bothSides, 0);
    EXPECT_EQ(curve.baselineY(), 25);
    const int centre = curve.centreY(Rational(1, 5));
    EXPECT_EQ(centre, 25 - 10) << "51 x 1/5 = 10.2 rounds to 10";
    // 50 x 1/2, halved: 12.5 rounds away from zero.
    EXPECT_EQ(curve.leftSide(centre, Rational(1, 2)), (Segment{{50, 15}, {0, 28}}));
    EXPECT_EQ(curve.rightSide(centre, Rational(1, 2)), (Segment{{50, 15}, {100, 2}}));
    EXPECT_EQ(curve.rightSide(centre, Rational(-1, 2)), (Segment{{50, 15}, {100, 28}}));
    EXPECT_EQ(curve.centreY(std::nullopt), 25);
}

TEST(ScalingCurveGeometry, BaselineModesAndASideShownAloneSpanningTheWidth)
{
    EXPECT_EQ(ScalingCurveGeometry(width, height, 0, ScalingCurveGeometry::baselineAtTop).baselineY(), 0);
    EXPECT_EQ(ScalingCurveGeometry(width, height, 0, ScalingCurveGeometry::baselineAtBottom).baselineY(), 50);
    const ScalingCurveGeometry leftOnly(width, height, ScalingCurveGeometry::leftSideOnly, 3);
    EXPECT_FALSE(leftOnly.showsRight());
    EXPECT_EQ(leftOnly.leftSide(50, Rational(1, 2)), (Segment{{100, 50}, {0, 75}})) << "not halved";
    const ScalingCurveGeometry rightOnly(width, height, ScalingCurveGeometry::rightSideOnly, 3);
    EXPECT_FALSE(rightOnly.showsLeft());
    EXPECT_EQ(rightOnly.rightSide(50, Rational(1, 2)).inner, (LayoutPoint{0, 50}));
}

TEST(ScalingCurveGeometry, SidesRunningOffTheControlAreCutAtTheEdgeOnTheirOwnLine)
{
    const ScalingCurveGeometry curve(width, height, ScalingCurveGeometry::bothSides, 0);
    const auto right = curve.clipped(curve.rightSide(25, Rational(2)));
    ASSERT_TRUE(right);
    EXPECT_EQ(*right, (Segment{{50, 25}, {75, 0}}));
    const auto left = curve.clipped(curve.leftSide(25, Rational(2)));
    ASSERT_TRUE(left);
    EXPECT_EQ(*left, (Segment{{50, 25}, {25, 50}}));
    const auto inside = curve.leftSide(25, Rational(1, 4));
    EXPECT_EQ(curve.clipped(inside), inside);
    // An offset that lifts the break above the top cuts the inner end too.
    const auto lifted = curve.clipped(curve.rightSide(-10, Rational(-2)));
    ASSERT_TRUE(lifted);
    EXPECT_EQ(lifted->inner.y, 0);
    EXPECT_EQ(lifted->outer, (LayoutPoint{100, 40}));
    EXPECT_FALSE(curve.clipped(curve.rightSide(-10, Rational(1, 2)))) << "wholly above: nothing to draw";
}
