#include "text/RefString.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::u16string text(const RefString& s) { return std::u16string(s.view()); }

// Counting thousandths in 32 bits wraps from about 4.29 million on, and the
// number printed is then plainly wrong rather than merely imprecise.
TEST(FixedPointText, ValuesAboveFourMillionKeepAllTheirDigits)
{
    EXPECT_EQ(text(RefString::fromFixed(Rational(5000000, 1), false)), u"5000000");
    EXPECT_EQ(text(RefString::fromFixed(Rational(-12345678, 10), false)), u"-1234567.8");
    EXPECT_EQ(text(RefString::fromFixed(Rational(INT64_MAX, 1), true)), u"+9223372036854775807");
    EXPECT_EQ(text(RefString::fromFixed(Rational(INT64_MIN, 1000), false)), u"-9223372036854775.808");
}

} // namespace
