#pragma once
// A page button: shows its page, and reads 0 while that page is shown and 1
// otherwise, so the button looks pressed on its own page.
#include "commands/CommandParameter.h"

class Device;

class ShowPanelParameter final : public CommandParameter {
public:
    ShowPanelParameter(Device& device, std::int32_t panel);

    std::int32_t getValue() const override;

private:
    void run() override;

    Device& device_;
    const std::int32_t panel_;
};
