#pragma once
// One FM algorithm as its diagram shows it: the carriers, who modulates whom
// and the one feedback loop of the eight operators. Plain data that the
// instrument's side fills from its own algorithm table, so the controls know
// no instrument. A table of them is a span the filler keeps alive.
#include <array>
#include <cstdint>
#include <span>

struct AlgorithmGraph {
    static constexpr std::int32_t operatorCount = 8;

    // Bit n - 1 stands for operator n.
    std::uint8_t carrierMask = 0;
    // Entry n - 1: the operators that modulate operator n.
    std::array<std::uint8_t, operatorCount> modulatorMasks{};
    // Operator numbers; 0 for none.
    std::int32_t feedbackSource = 0;
    std::int32_t feedbackDestination = 0;

    static bool isOperator(std::int32_t n) { return n >= 1 && n <= operatorCount; }
    std::uint8_t modulatorsOf(std::int32_t n) const { return isOperator(n) ? modulatorMasks[n - 1] : 0; }

    friend bool operator==(const AlgorithmGraph&, const AlgorithmGraph&) = default;
};

using AlgorithmGraphTable = std::span<const AlgorithmGraph>;
