#include "conditions/ParameterRangeLink.h"

#include "params/Parameter.h"

#include <algorithm>
#include <limits>

namespace {

// base + offset. The numerator is kept small enough for the target to bring
// it to the denominator of its own display offset without overflowing; only
// displays of scales far beyond any real one reach that limit.
Rational shiftedBound(Rational base, std::int32_t offset, const Parameter& target)
{
    using Wide = __int128;
    constexpr std::int64_t headroom = 4;
    const std::uint32_t targetDenominator = target.offset().denominator;
    const std::int64_t rescaling = targetDenominator > base.denominator ? targetDenominator : 1;
    const std::int64_t limit = std::numeric_limits<std::int64_t>::max() / headroom / rescaling;
    const Wide sum = Wide(base.numerator) + Wide(offset) * base.denominator;
    return Rational(std::int64_t(std::clamp<Wide>(sum, -limit, limit)), base.denominator);
}

} // namespace

ParameterRangeLink& ParameterRangeLink::create(Parameter* source, std::int32_t maxOffset, std::int32_t minOffset)
{
    return adopt(std::unique_ptr<ParameterRangeLink>(new ParameterRangeLink(source, maxOffset, minOffset)));
}

ParameterRangeLink::ParameterRangeLink(Parameter* source, std::int32_t maxOffset, std::int32_t minOffset)
    : source_(source)
    , minOffset_(minOffset)
    , maxOffset_(maxOffset)
{
    if (source_ != nullptr)
        source_->addListener(this);
}

void ParameterRangeLink::onParameterChanged(Parameter* parameter, std::uint32_t flags)
{
    if (parameter == nullptr || parameter != source_)
        return;
    const Rational base = sourceBase();
    // By index: a target moved back into range notifies its own listeners,
    // and a target destroyed meanwhile leaves the list.
    for (std::size_t i = 0; i < targets().size(); ++i)
        limit(*targets()[i], flags, base);
}

void ParameterRangeLink::onParameterDestroyed(Parameter* parameter)
{
    if (parameter == source_)
        source_ = nullptr;
    ParameterRangeLinkBase::onParameterDestroyed(parameter);
}

Rational ParameterRangeLink::sourceBase() const
{
    const std::int32_t raw = source_->getValue();
    return displaySource_ ? source_->displayOf(raw) : Rational(raw, 1);
}

void ParameterRangeLink::limit(Parameter& target, std::uint32_t flags, Rational base) const
{
    const Rational high = shiftedBound(base, maxOffset_, target);
    if (minOffset_ == minimumNotLinked) {
        if (fullRange_)
            target.setMaxFromDisplay(flags, maximumMode_, high);
        else
            target.setAllowedMaxFromDisplay(flags, maximumMode_, high);
        return;
    }
    const Rational low = shiftedBound(base, minOffset_, target);
    if (fullRange_)
        target.setRangeFromDisplay(flags, minimumMode_, maximumMode_, low, high);
    else
        target.setAllowedRangeFromDisplay(flags, minimumMode_, maximumMode_, low, high);
}
