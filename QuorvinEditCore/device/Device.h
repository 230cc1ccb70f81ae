#pragma once
// The instrument-independent device, as far as its MIDI interface needs it:
// sizes of the instrument's messages, the probe, the wait notices, and the
// data sink that received SysEx is written into. The concrete instrument
// implements it and owns the interface.
#include "sysex/DeviceDataSink.h"
#include "sysex/PackedAddress.h"
#include "text/RefString.h"

#include <cstdint>
#include <span>
#include <vector>

class WaitProgress;

class Device : public DeviceDataSink {
public:
    // Size of the largest SysEx message the instrument sends; sizes the MIDI
    // input buffers and the dump send buffer.
    virtual std::int32_t maxSysexSize() const = 0;
    // Bytes a bulk dump adds around its data.
    virtual std::int32_t dumpOverhead() const = 0;
    // The parameter addresses used to probe the instrument; the first one is
    // the connection probe.
    virtual std::vector<PackedAddress> probeAddresses() const = 0;
    // How long the wait dialog stays up after a completed dump, so the
    // instrument can finish its own work.
    virtual std::int32_t hardwareWaitMs() const = 0;

    // The connection probe was answered.
    virtual void onConnected() = 0;
    // The connection probe got no answer.
    virtual void onCommunicationNok() = 0;
    // A checked bulk dump has been written into memory; message is the whole
    // message, F0 to F7.
    virtual void onDumpReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> message) = 0;

    // Wait notices: a dump was requested, a dump starts to arrive, the wait
    // ended without an answer.
    virtual void showWaitingForSysex(PackedAddress address) = 0;
    virtual void showReceivingSysex(PackedAddress address, std::int32_t size) = 0;
    virtual void abortWait(const RefString& message, bool showFailure) = 0;
    // The wait dialog, none before the device's setup made it.
    virtual WaitProgress* waitDialog() = 0;
};
