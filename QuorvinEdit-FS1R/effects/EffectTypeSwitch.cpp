#include "effects/EffectTypeSwitch.h"

#include "params/SetValueFlags.h"

bool EffectTypeSwitch::appliesDefaults(std::uint32_t flags)
{
    return (flags & SetValueFlag::sendToInstrument) != 0 && (flags & SetValueFlag::noClamp) == 0;
}

std::int32_t EffectTypeSwitch::shownType() const
{
    return static_cast<std::uint32_t>(current_) <= static_cast<std::uint32_t>(typeCount_) ? current_ : noEffect;
}

std::optional<EffectTypeSwitch::Step> EffectTypeSwitch::change(std::int32_t type, std::uint32_t flags)
{
    if (type == current_)
        return std::nullopt;
    // Compared unsigned, so a negative value is out of range too. A type the
    // instrument does not have shows no page, and is remembered, so that
    // choosing a real type after it is a change of type.
    const bool known = static_cast<std::uint32_t>(type) <= static_cast<std::uint32_t>(typeCount_);
    const Step step{shownType(), known ? type : noEffect, known && type != noEffect && appliesDefaults(flags)};
    current_ = type;
    return step;
}
