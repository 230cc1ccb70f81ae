#pragma once
// The formant-sequence page's "Dump to device" button: on a user's edit,
// shows a progress wait for the estimated transfer time, then sends the
// sequence from the address map to the instrument as one bulk dump. The page
// that makes it owns it, and with it the wait dialog; the MIDI interface,
// the data source and the length parameter must outlive it.
#include "commands/CommandParameter.h"
#include "params/ParameterListener.h"
#include "sysex/PackedAddress.h"
#include "text/Rational.h"

#include <cstdint>
#include <memory>
#include <optional>

class DeviceWaitDialog;
class DumpDataSource;
class MidiInterface;

class DumpProgressParameter final : public CommandParameter, private ParameterListener {
public:
    // A 32-byte header and 512 frames of 50 bytes: the longest sequence.
    static constexpr std::uint32_t defaultByteCount = 25632;
    // The count field holds half the bytes: 25,632 does not fit 14 bits.
    static constexpr std::uint32_t countDivisor = 2;
    static constexpr std::uint32_t microsecondsPerByte = 320;

    // Sends the data at address to the same address in the dump's header.
    // finishMs: how long the wait dialog stays up after the send, while the
    // instrument takes the data. Without a dialog the dump goes at once.
    DumpProgressParameter(std::unique_ptr<DeviceWaitDialog> waitDialog, MidiInterface& midiInterface,
        PackedAddress address, DumpDataSource& source, std::int32_t finishMs);
    ~DumpProgressParameter() override;

    // From now on the byte count is the length parameter's value x scale +
    // offset, rounded; none goes back to the default count.
    void setLengthParameter(Parameter* length, Rational scale, Rational offset);

    // The bytes the next dump sends; none when the length parameter gives a
    // count outside 1 to the default count, which no sequence has.
    std::optional<std::uint32_t> byteCount() const;
    // The estimated transfer time of a dump: bytes x 320 us / divisor, in
    // whole milliseconds.
    static std::uint32_t estimatedWaitMs(std::uint32_t bytes);

private:
    void run() override;
    void onParameterChanged(Parameter*, std::uint32_t) override {}
    void onParameterDestroyed(Parameter* parameter) override;

    const std::unique_ptr<DeviceWaitDialog> waitDialog_;
    MidiInterface& midiInterface_;
    const PackedAddress sourceAddress_;
    const PackedAddress destinationAddress_;
    DumpDataSource& source_;
    const std::int32_t finishMs_;
    Parameter* length_ = nullptr;
    Rational lengthScale_;
    Rational lengthOffset_;
};
