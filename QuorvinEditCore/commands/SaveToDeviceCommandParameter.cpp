#include "commands/SaveToDeviceCommandParameter.h"

#include "device/Device.h"

SaveToDeviceCommandParameter::SaveToDeviceCommandParameter(Device& device, std::int32_t part)
    : CommandParameter(SetValueFlag::saveAction), device_(device), part_(part)
{
}

void SaveToDeviceCommandParameter::run()
{
    device_.saveToDevice(part_);
}
