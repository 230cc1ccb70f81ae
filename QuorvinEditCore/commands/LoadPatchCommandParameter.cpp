#include "commands/LoadPatchCommandParameter.h"

#include "device/Device.h"
#include "params/SetValueFlags.h"

LoadPatchCommandParameter::LoadPatchCommandParameter(Device& device, std::int32_t part, bool sentOnly)
    : CommandParameter(SetValueFlag::loadAction), device_(device), part_(part), sentOnly_(sentOnly)
{
}

void LoadPatchCommandParameter::apply(std::uint32_t flags, std::int32_t)
{
    if (loadsWith(flags))
        run();
}

bool LoadPatchCommandParameter::allowsChange(std::uint32_t flags)
{
    return flags != flagsUserEdit || device_.confirmLoad(part_);
}

bool LoadPatchCommandParameter::allowsReplay(std::uint32_t flags)
{
    return !loadsWith(flags) || device_.confirmLoad(part_);
}

bool LoadPatchCommandParameter::loadsWith(std::uint32_t flags) const
{
    return (flags & triggerFlags()) != 0 && (!sentOnly_ || (flags & SetValueFlag::sendToInstrument) != 0);
}

void LoadPatchCommandParameter::run()
{
    device_.loadCurrentPatch(part_);
}
