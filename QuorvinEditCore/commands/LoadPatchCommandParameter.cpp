#include "commands/LoadPatchCommandParameter.h"

#include "device/Device.h"

LoadPatchCommandParameter::LoadPatchCommandParameter(Device& device, std::int32_t part)
    : CommandParameter(SetValueFlag::loadAction), device_(device), part_(part)
{
}

void LoadPatchCommandParameter::run()
{
    device_.loadCurrentPatch(part_);
}
