#include "text/Rational.h"

#include <gtest/gtest.h>

namespace {

TEST(RationalTest, NearestRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(Rational::round({5, 2}), 3);
    EXPECT_EQ(Rational::round({-5, 2}), -3);
    EXPECT_EQ(Rational::round({7, 3}), 2);
    EXPECT_EQ(Rational::round({-7, 3}), -2);
    EXPECT_EQ(Rational::round({24, 10}), 2);
    EXPECT_EQ(Rational::round({0, 7}), 0);
}

TEST(RationalTest, EveryRoundingModeOnBothSidesOfZero)
{
    const Rational minus{-5, 2};
    EXPECT_EQ(Rational::roundWithMode(Rational::Floor, minus), -3);
    EXPECT_EQ(Rational::roundWithMode(Rational::Ceiling, minus), -2);
    EXPECT_EQ(Rational::roundWithMode(Rational::TowardZero, minus), -2);
    EXPECT_EQ(Rational::roundWithMode(Rational::AwayFromZero, minus), -3);
    const Rational plus{5, 2};
    EXPECT_EQ(Rational::roundWithMode(Rational::Floor, plus), 2);
    EXPECT_EQ(Rational::roundWithMode(Rational::Ceiling, plus), 3);
    EXPECT_EQ(Rational::roundWithMode(Rational::TowardZero, plus), 2);
    EXPECT_EQ(Rational::roundWithMode(Rational::AwayFromZero, plus), 3);
    EXPECT_EQ(Rational::roundWithMode(Rational::Nearest, plus), 3);
    EXPECT_EQ(Rational::roundWithMode(7, plus), 0);
    // Whole values must not move in any mode.
    for (int mode = 0; mode <= 4; ++mode)
        EXPECT_EQ(Rational::roundWithMode(mode, {-8, 2}), -4) << mode;
}

TEST(RationalTest, AddAndSubtractRescaleToTheLargerDenominator)
{
    EXPECT_EQ(Rational::add({1, 10}, {3, 1}), Rational(31, 10));
    // The rescaled 1/2 floors to 1/3: the documented inexact case.
    EXPECT_EQ(Rational::add({1, 3}, {1, 2}), Rational(2, 3));
    EXPECT_EQ(Rational::subtract({-1, 1}, {1, 4}), Rational(-5, 4));
    // A negative operand rescales toward minus infinity.
    EXPECT_EQ(Rational::add({-1, 2}, {0, 3}), Rational(-2, 3));
    EXPECT_EQ(Rational::subtract({25, 100}, {-64, 1}), Rational(6425, 100));
}

} // namespace
