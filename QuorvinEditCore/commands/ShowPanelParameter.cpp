#include "commands/ShowPanelParameter.h"

#include "device/Device.h"

ShowPanelParameter::ShowPanelParameter(Device& device, std::int32_t panel)
    : CommandParameter(SetValueFlag::showAction, 1), device_(device), panel_(panel)
{
}

std::int32_t ShowPanelParameter::getValue() const
{
    return device_.currentPanel() == panel_ ? 0 : 1;
}

void ShowPanelParameter::run()
{
    if (device_.currentPanel() != panel_)
        device_.showPanel(panel_);
}
