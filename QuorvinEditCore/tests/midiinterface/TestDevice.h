#pragma once
// A device for the MIDI interface's tests: the FS1R's sizes, memory and
// wait notices, recorded so tests can see what the interface asked for and
// on which thread. Only the test's (GUI) thread may touch it.
#include "device/WaitProgress.h"
#include "sysex/AddressMap.h"
#include "sysex/AddressMapDataSink.h"
#include "tests/support/PagelessDevice.h"

#include <utility>
#include <vector>

class TestWaitProgress : public WaitProgress {
public:
    void setProgress(std::int32_t value) override { progress.push_back(value); }
    void finish(std::int32_t ms) override { finishes.push_back(ms); }

    std::vector<std::int32_t> progress;
    std::vector<std::int32_t> finishes;
};

class TestDevice : public PagelessDevice {
public:
    struct Abort {
        RefString message;
        bool showFailure;
    };

    explicit TestDevice(bool withEntries = true);

    std::int32_t maxSysexSize() const override;
    std::int32_t dumpOverhead() const override;
    std::vector<PackedAddress> probeAddresses() const override;
    std::int32_t hardwareWaitMs() const override;
    void onConnected() override;
    void onCommunicationNok() override;
    void onDumpReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> message) override;
    void showWaitingForSysex(PackedAddress address) override;
    void showReceivingSysex(PackedAddress address, std::int32_t size) override;
    void abortWait(const RefString& message, bool showFailure) override;
    WaitProgress* waitDialog() override { return &wait; }
    void parameterReceived(PackedAddress address, std::uint32_t value, std::uint32_t flags) override;
    std::size_t bytesReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> bytes,
        std::uint32_t flags) override;

    AddressMap map;
    TestWaitProgress wait;
    int connected = 0;
    int communicationNok = 0;
    std::vector<std::pair<PackedAddress, std::size_t>> dumpsReceived;
    std::vector<PackedAddress> waitingFor;
    std::vector<std::pair<PackedAddress, std::int32_t>> receiving;
    std::vector<Abort> aborts;
    // Calls that came on another thread than the GUI thread: always 0.
    int callsOffGuiThread = 0;

private:
    void noteThread();

    AddressMapDataSink sink_;
};
