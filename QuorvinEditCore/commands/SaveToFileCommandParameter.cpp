#include "commands/SaveToFileCommandParameter.h"

#include "device/Device.h"

SaveToFileCommandParameter::SaveToFileCommandParameter(Device& device, std::int32_t part)
    : CommandParameter(SetValueFlag::saveAction), device_(device), part_(part)
{
}

void SaveToFileCommandParameter::run()
{
    // Always a new file: the button is the page's Save as.
    device_.saveToFile(true, part_);
}
