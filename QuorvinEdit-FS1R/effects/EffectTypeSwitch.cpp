#include "effects/EffectTypeSwitch.h"

#include "params/SetValueFlags.h"

bool EffectTypeSwitch::appliesDefaults(std::uint32_t flags)
{
    return (flags & SetValueFlag::sendToInstrument) != 0 && (flags & SetValueFlag::noClamp) == 0;
}

std::optional<EffectTypeSwitch::Step> EffectTypeSwitch::change(std::int32_t type, std::uint32_t flags)
{
    // Compared unsigned, so a negative value is out of range too.
    if (static_cast<std::uint32_t>(type) > static_cast<std::uint32_t>(typeCount_) || type == current_)
        return std::nullopt;
    const Step step{current_, type, type != noEffect && appliesDefaults(flags)};
    current_ = type;
    return step;
}
