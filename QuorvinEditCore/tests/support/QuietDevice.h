#pragma once
// A device that asks nothing of the MIDI interface and ignores what it is
// told, for tests and fuzzers that need an interface but send no SysEx.
#include "tests/support/PagelessDevice.h"

class QuietDevice : public PagelessDevice {
public:
    std::int32_t maxSysexSize() const override { return 64; }
    std::int32_t dumpOverhead() const override { return 11; }
    std::vector<PackedAddress> probeAddresses() const override { return {}; }
    std::int32_t hardwareWaitMs() const override { return 0; }
    void onConnected() override {}
    void onCommunicationNok() override {}
    void onDumpReceived(PackedAddress, std::span<const std::uint8_t>) override {}
    void showWaitingForSysex(PackedAddress) override {}
    void showReceivingSysex(PackedAddress, std::int32_t) override {}
    void abortWait(const RefString&, bool) override {}
    WaitProgress* waitDialog() override { return nullptr; }
    void parameterReceived(PackedAddress, std::uint32_t, std::uint32_t) override {}
    std::size_t bytesReceived(PackedAddress, std::span<const std::uint8_t>, std::uint32_t) override { return 0; }
};
