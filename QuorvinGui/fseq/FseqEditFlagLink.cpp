#include "fseq/FseqEditFlagLink.h"

#include "params/Parameter.h"

#include <algorithm>

FseqEditFlagLink::FseqEditFlagLink(std::function<bool()> addKeyHeld) : addKeyHeld_(std::move(addKeyHeld)) {}

void FseqEditFlagLink::watch(Parameter& editFlag)
{
    flags_.push_back(&editFlag);
    editFlag.addListener(this);
}

void FseqEditFlagLink::onParameterChanged(Parameter* parameter, std::uint32_t flags)
{
    if (parameter == nullptr || parameter->getValue() == parameter->minimum() || addKeyHeld_())
        return;
    if (std::find(flags_.begin(), flags_.end(), parameter) == flags_.end())
        return;
    // Switching the others off tells this link again, with values at their
    // minimum, which changes nothing further.
    for (Parameter* other : flags_) {
        if (other != parameter && other->getValue() != other->minimum())
            other->setValue(flags, other->minimum());
    }
}

void FseqEditFlagLink::onParameterDestroyed(Parameter* parameter) { std::erase(flags_, parameter); }
