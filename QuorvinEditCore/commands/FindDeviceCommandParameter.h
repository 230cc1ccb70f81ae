#pragma once
// The system page's "Auto-detect" button: saves the MIDI settings and looks
// for the instrument on every port.
#include "commands/CommandParameter.h"

class Device;

class FindDeviceCommandParameter final : public CommandParameter {
public:
    explicit FindDeviceCommandParameter(Device& device);

private:
    void run() override;

    Device& device_;
};
