#pragma once
// The FS1R test device with its page and patch operations recorded as text
// and a shown page that follows showPanel, in the device fixture (loopback
// ports, the simulated FS1R, a recording user interface).
#include "tests/device/DeviceFixture.h"
#include "tests/device/Fs1rTestDevice.h"

#include <string>
#include <vector>

class CommandTestDevice : public Fs1rTestDevice {
public:
    using Fs1rTestDevice::Fs1rTestDevice;

    void saveToFile(bool asNew, std::int32_t part) override { record("saveToFile", asNew, part); }
    void saveToDevice(std::int32_t part) override { record("saveToDevice", part); }
    void loadCurrentPatch(std::int32_t part) override { record("loadCurrentPatch", part); }
    void showPanel(std::int32_t panel) override
    {
        record("showPanel", panel);
        shown = panel;
    }
    std::int32_t currentPanel() const override { return shown; }

    std::vector<std::string> calls;
    std::int32_t shown = shownPanel;

private:
    template <typename... Arguments>
    void record(const std::string& operation, Arguments... arguments)
    {
        calls.push_back(((operation + ... + (" " + std::to_string(arguments)))));
    }
};

class CommandFixture : public DeviceFixture {
protected:
    CommandTestDevice& makeCommandDevice()
    {
        device = std::make_unique<CommandTestDevice>(settings, ui);
        EXPECT_TRUE(device->setup(nullptr));
        return static_cast<CommandTestDevice&>(*device);
    }
};
