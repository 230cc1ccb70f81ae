#pragma once
// The "Save to file" button of a page: on a user's edit, asks for a new .syx
// file and saves one patch of the device into it.
#include "commands/CommandParameter.h"

class Device;

class SaveToFileCommandParameter final : public CommandParameter {
public:
    // part: the device's patch index (the performance, a part's voice, the
    // formant sequence).
    SaveToFileCommandParameter(Device& device, std::int32_t part);

private:
    void run() override;

    Device& device_;
    const std::int32_t part_;
};
