#include "commands/ThresholdSwitchParameter.h"

ThresholdSwitchParameter::ThresholdSwitchParameter(Parameter& source) : Parameter(0, 1), source_(&source)
{
    source.setDefaultValue(offValue);
    source.setValue(flagsConstruct, offValue);
    source.addListener(this);
}

std::int32_t ThresholdSwitchParameter::getValue() const
{
    return source_ != nullptr && source_->getValue() >= threshold ? 1 : 0;
}

void ThresholdSwitchParameter::apply(std::uint32_t flags, std::int32_t value)
{
    // "No value" would otherwise count as on and set the source to its
    // high value when a dependent or a link only meant to notify.
    if (source_ == nullptr || value == noValue)
        return;
    settingSource_ = true;
    source_->setValue(flags, value == 0 ? offValue : onValue);
    settingSource_ = false;
}

void ThresholdSwitchParameter::onParameterChanged(Parameter*, std::uint32_t flags)
{
    if (!settingSource_)
        notifyListeners(flags);
}

void ThresholdSwitchParameter::onParameterDestroyed(Parameter* parameter)
{
    if (parameter == source_)
        source_ = nullptr;
}
