#pragma once
// The "Save to device" button of a page: on a user's edit, writes one patch
// into the instrument's own memory.
#include "commands/CommandParameter.h"

class Device;

class SaveToDeviceCommandParameter final : public CommandParameter {
public:
    SaveToDeviceCommandParameter(Device& device, std::int32_t part);

private:
    void run() override;

    Device& device_;
    const std::int32_t part_;
};
