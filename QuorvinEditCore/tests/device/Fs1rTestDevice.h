#pragma once
// A device with the FS1R's memory layout, SysEx protocol and libraries, set
// up as the FS1R device sets them up, but without pages: it records the
// pages it is asked to show and the connection's ends.
#include "tests/support/PagelessDevice.h"

#include <vector>

class Fs1rTestDevice : public PagelessDevice {
public:
    // Without a finder, as if the concrete device forgot to make one. With a
    // cache folder the FS1R's three libraries are opened there.
    Fs1rTestDevice(const XmlElement& settings, DeviceUserInterface& userInterface, bool withFinder = true,
        const RefString& cacheFolder = RefString());

    bool setup(wxWindow* parent) override;
    void showPanel(std::int32_t panel) override { shownPanels.push_back(panel); }
    std::vector<PackedAddress> probeAddresses() const override;
    std::int32_t maxSysexSize() const override;
    std::int32_t dumpOverhead() const override;
    std::int32_t hardwareWaitMs() const override { return 1800; }
    void onConnected() override { ++connections; }
    void onDisconnect() override { ++disconnections; }
    void onDumpReceived(PackedAddress, std::span<const std::uint8_t>) override {}

    std::vector<std::int32_t> shownPanels;
    int connections = 0;
    int disconnections = 0;

protected:
    void buildAddressMap() override;
    void setupSysexProtocol() override;
    bool setupLibraries() override;

private:
    bool withFinder_;
    RefString cacheFolder_;
};
