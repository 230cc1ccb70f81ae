#pragma once
// Makes the range of its targets follow a source parameter: on every change
// of the source, each target's maximum (and minimum, when linked) becomes the
// source's value plus an offset, read as a displayed value of the target.
// Owned by the program-wide list of links; forgets a destroyed source.
#include "conditions/ParameterRangeLinkBase.h"
#include "text/Rational.h"

#include <cstdint>

class ParameterRangeLink : public ParameterRangeLinkBase {
public:
    // The minimum offset that leaves the targets' minimum alone.
    static constexpr std::int32_t minimumNotLinked = INT32_MIN;

    // Makes a link listening to the source; the program-wide list owns it.
    static ParameterRangeLink& create(Parameter* source, std::int32_t maxOffset,
        std::int32_t minOffset = minimumNotLinked);

    void setMinimumRounding(Rational::RoundingMode mode) { minimumMode_ = mode; }
    void setMaximumRounding(Rational::RoundingMode mode) { maximumMode_ = mode; }
    // Links the targets' full range instead of their allowed range.
    void setFullRange(bool fullRange) { fullRange_ = fullRange; }
    // Follows the source's displayed value instead of its raw value.
    void setDisplaySource(bool displaySource) { displaySource_ = displaySource; }

    // Acts only on changes of the source, passing the flags to the targets.
    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;
    void onParameterDestroyed(Parameter* parameter) override;

private:
    ParameterRangeLink(Parameter* source, std::int32_t maxOffset, std::int32_t minOffset);

    Rational sourceBase() const;
    void limit(Parameter& target, std::uint32_t flags, Rational base) const;

    Parameter* source_;
    std::int32_t minOffset_;
    std::int32_t maxOffset_;
    Rational::RoundingMode minimumMode_ = Rational::TowardZero;
    Rational::RoundingMode maximumMode_ = Rational::TowardZero;
    bool fullRange_ = false;
    bool displaySource_ = false;
};
