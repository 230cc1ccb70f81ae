#include "FakeParameter.h"

#include <gtest/gtest.h>

namespace {

// The printed decimals follow the scale. An offset with a finer denominator
// than the scale gives the display that denominator, which must not add a
// decimal the scale does not have.
TEST(FormatValuePrecision, FollowsTheScaleNotAFinerOffset)
{
    FakeParameter p(0, 127);
    p.setDisplayScale(Rational(1, 1), Rational(1, 4), false);
    EXPECT_EQ(p.formatValue(2), "2");

    FakeParameter tenths(0, 127);
    tenths.setDisplayScale(Rational(1, 10), Rational(1, 100), false);
    EXPECT_EQ(tenths.formatValue(5), "0.5");
}

} // namespace
