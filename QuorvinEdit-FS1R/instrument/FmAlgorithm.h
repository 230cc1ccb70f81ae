#pragma once
// One FM algorithm as a graph of the eight voiced operators: the carriers
// (whose output is heard), who modulates whom, and at most one feedback loop.
// A fixed-size value; the algorithm table and diagram code copy it freely.
#include "instrument/OperatorSet.h"

#include <array>
#include <cstdint>

class FmAlgorithm {
public:
    // An empty graph: no carriers, no links, no feedback.
    FmAlgorithm() = default;

    OperatorSet carriers() const { return carriers_; }
    // The operators whose output modulates operator n; empty outside 1 to 8.
    OperatorSet modulatorsOf(std::int32_t n) const;
    // Both 0 when there is no loop; equal for an operator feeding itself.
    std::int32_t feedbackSource() const { return feedbackSource_; }
    std::int32_t feedbackDestination() const { return feedbackDestination_; }
    bool hasFeedback() const { return feedbackSource_ != 0; }

    // Each builder returns false, changing nothing, when the operator to
    // join is already connected to the output; operator 0 is a no-op that
    // succeeds.
    bool addCarrier(std::int32_t n);
    // Makes operator n a modulator of operator m, connected or not.
    bool addModulator(std::int32_t m, std::int32_t n);
    // Makes connected operator b a further modulator of connected operator
    // a; a link that would close a cycle becomes the feedback loop (b back
    // into a) instead, and fails when a loop is already set.
    bool connect(std::int32_t a, std::int32_t b);

    // Everything that feeds operator n, with n's modulators as carriers, and
    // the feedback loop when its source lies inside.
    FmAlgorithm subgraphAbove(std::int32_t n) const;
    // The carriers and every operator that modulates them, directly or not.
    OperatorSet reachable() const;

    friend bool operator==(const FmAlgorithm&, const FmAlgorithm&) = default;

private:
    static bool isOperator(std::int32_t n) { return n >= 1 && n <= fmOperatorCount; }
    bool setFeedback(std::int32_t source, std::int32_t destination);
    void copyTreeOf(std::int32_t n, FmAlgorithm& into, OperatorSet& copied) const;

    // Entry n - 1 holds the modulators of operator n.
    std::array<OperatorSet, fmOperatorCount> modulators_{};
    OperatorSet carriers_;
    std::int32_t feedbackSource_ = 0;
    std::int32_t feedbackDestination_ = 0;
};
