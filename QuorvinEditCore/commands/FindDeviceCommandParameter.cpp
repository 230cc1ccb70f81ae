#include "commands/FindDeviceCommandParameter.h"

#include "device/Device.h"

FindDeviceCommandParameter::FindDeviceCommandParameter(Device& device)
    : CommandParameter(SetValueFlag::userAction), device_(device)
{
}

void FindDeviceCommandParameter::run()
{
    device_.searchDevice();
}
