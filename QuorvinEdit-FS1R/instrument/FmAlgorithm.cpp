#include "instrument/FmAlgorithm.h"

OperatorSet FmAlgorithm::modulatorsOf(std::int32_t n) const
{
    return isOperator(n) ? modulators_[n - 1] : OperatorSet{};
}

bool FmAlgorithm::addCarrier(std::int32_t n)
{
    if (reachable().contains(n) || n > fmOperatorCount)
        return false;
    carriers_.add(n);
    return true;
}

bool FmAlgorithm::addModulator(std::int32_t m, std::int32_t n)
{
    if (reachable().contains(n) || !isOperator(m) || n > fmOperatorCount)
        return false;
    modulators_[m - 1].add(n);
    return true;
}

bool FmAlgorithm::connect(std::int32_t a, std::int32_t b)
{
    const OperatorSet connected = reachable();
    if (!connected.contains(a) || !connected.contains(b))
        return false;
    if (a == b || subgraphAbove(b).reachable().contains(a))
        return setFeedback(b, a);
    modulators_[a - 1].add(b);
    return true;
}

bool FmAlgorithm::setFeedback(std::int32_t source, std::int32_t destination)
{
    if (hasFeedback())
        return false;
    feedbackSource_ = source;
    feedbackDestination_ = destination;
    return true;
}

FmAlgorithm FmAlgorithm::subgraphAbove(std::int32_t n) const
{
    FmAlgorithm above;
    above.carriers_ = modulatorsOf(n);
    // n's own entry stays out, even where a stray cycle leads back to it.
    OperatorSet copied;
    copied.add(n);
    above.carriers_.forEach([&](std::int32_t j) { copyTreeOf(j, above, copied); });
    return above;
}

// Each operator is copied once: a shared modulator's tree is the same from
// every path, and a cycle of links made through addModulator cannot recurse
// forever.
void FmAlgorithm::copyTreeOf(std::int32_t n, FmAlgorithm& into, OperatorSet& copied) const
{
    if (copied.contains(n))
        return;
    copied.add(n);
    if (n == feedbackSource_) {
        into.feedbackSource_ = feedbackSource_;
        into.feedbackDestination_ = feedbackDestination_;
    }
    into.modulators_[n - 1] = modulators_[n - 1];
    modulators_[n - 1].forEach([&](std::int32_t m) { copyTreeOf(m, into, copied); });
}

OperatorSet FmAlgorithm::reachable() const
{
    OperatorSet result = carriers_;
    for (OperatorSet added = carriers_; !added.isEmpty();) {
        OperatorSet inputs;
        added.forEach([&](std::int32_t k) { inputs.addAll(modulators_[k - 1]); });
        added = inputs.without(result);
        result.addAll(added);
    }
    return result;
}
