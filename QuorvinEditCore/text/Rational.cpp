#include "text/Rational.h"

namespace {

std::int64_t floorDivide(std::int64_t p, std::int64_t divisor)
{
    return p >= 0 ? p / divisor : (p - divisor + 1) / divisor;
}

std::int64_t ceilDivide(std::int64_t p, std::int64_t divisor)
{
    return p >= 0 ? (p + divisor - 1) / divisor : p / divisor;
}

struct CommonDenominator {
    std::int64_t a;
    std::int64_t b;
    std::uint32_t denominator;
};

// Rescales the operand with the smaller denominator to the larger one.
CommonDenominator rescale(Rational a, Rational b)
{
    if (a.denominator > b.denominator)
        return {a.numerator, floorDivide(b.numerator * a.denominator, b.denominator), a.denominator};
    return {floorDivide(a.numerator * b.denominator, a.denominator), b.numerator, b.denominator};
}

} // namespace

std::int64_t Rational::round(Rational value)
{
    const std::int64_t n = value.numerator;
    std::int64_t t = (2 * n) / value.denominator;
    t = n >= 0 ? t + 1 : t - 1;
    return t / 2;
}

std::int64_t Rational::floor(Rational value) { return floorDivide(value.numerator, value.denominator); }

std::int64_t Rational::ceil(Rational value) { return ceilDivide(value.numerator, value.denominator); }

std::int64_t Rational::roundTowardZero(Rational value) { return value.numerator / std::int64_t(value.denominator); }

std::int64_t Rational::roundAwayFromZero(Rational value)
{
    const std::int64_t n = value.numerator;
    const std::int64_t d = value.denominator;
    return n >= 0 ? (n + d - 1) / d : (n - d + 1) / d;
}

std::int32_t Rational::roundWithMode(int mode, Rational value)
{
    switch (mode) {
    case Nearest: return std::int32_t(round(value));
    case Floor: return std::int32_t(floor(value));
    case Ceiling: return std::int32_t(ceil(value));
    case TowardZero: return std::int32_t(roundTowardZero(value));
    case AwayFromZero: return std::int32_t(roundAwayFromZero(value));
    default: return 0;
    }
}

Rational Rational::add(Rational a, Rational b)
{
    const CommonDenominator c = rescale(a, b);
    return {c.a + c.b, c.denominator};
}

Rational Rational::subtract(Rational a, Rational b)
{
    const CommonDenominator c = rescale(a, b);
    return {c.a - c.b, c.denominator};
}
