#include "instrument/OperatorSet.h"

#include <bit>

bool OperatorSet::contains(std::int32_t n) const
{
    return isOperator(n) && (mask_ & (1u << (n - 1))) != 0;
}

void OperatorSet::add(std::int32_t n)
{
    if (isOperator(n))
        setMask(std::uint8_t(mask_ | (1u << (n - 1))));
}

void OperatorSet::addAll(OperatorSet other)
{
    setMask(mask_ | other.mask_);
}

OperatorSet OperatorSet::without(OperatorSet other) const
{
    OperatorSet rest;
    rest.setMask(std::uint8_t(mask_ & ~other.mask_));
    return rest;
}

void OperatorSet::setMask(std::uint8_t mask)
{
    mask_ = mask;
    count_ = std::uint8_t(std::popcount(mask));
}
