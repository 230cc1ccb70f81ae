#include "commands/LoadPatchCommandParameter.h"

#include "device/Device.h"
#include "params/SetValueFlags.h"

LoadPatchCommandParameter::LoadPatchCommandParameter(Device& device, std::int32_t part, bool sentOnly)
    : CommandParameter(SetValueFlag::loadAction), device_(device), part_(part), sentOnly_(sentOnly)
{
}

void LoadPatchCommandParameter::apply(std::uint32_t flags, std::int32_t value)
{
    if (!sentOnly_ || (flags & SetValueFlag::sendToInstrument) != 0)
        CommandParameter::apply(flags, value);
}

bool LoadPatchCommandParameter::allowsChange(std::uint32_t flags)
{
    return flags != flagsUserEdit || device_.confirmLoad(part_);
}

void LoadPatchCommandParameter::run()
{
    device_.loadCurrentPatch(part_);
}
