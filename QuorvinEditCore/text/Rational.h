#pragma once
// An exact fraction for display scaling: raw values map to what the user sees
// without passing through floating point. Never reduced.
#include <cstdint>

struct Rational {
    std::int64_t numerator = 0;
    std::uint32_t denominator = 1;

    constexpr Rational() = default;
    constexpr Rational(std::int64_t n, std::uint32_t d = 1) : numerator(n), denominator(d == 0 ? 1 : d) {}

    enum RoundingMode { Nearest = 0, Floor = 1, Ceiling = 2, TowardZero = 3, AwayFromZero = 4 };

    // Nearest integer, halves away from zero.
    static std::int64_t round(Rational value);
    static std::int64_t floor(Rational value);
    static std::int64_t ceil(Rational value);
    static std::int64_t roundTowardZero(Rational value);
    static std::int64_t roundAwayFromZero(Rational value);
    // Any mode outside RoundingMode gives 0.
    static std::int32_t roundWithMode(int mode, Rational value);

    // Exact only when the smaller denominator divides the larger one.
    static Rational add(Rational a, Rational b);
    static Rational subtract(Rational a, Rational b);

    friend constexpr bool operator==(Rational a, Rational b)
    {
        return a.numerator == b.numerator && a.denominator == b.denominator;
    }
};
