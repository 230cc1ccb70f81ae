#pragma once
// The FS1R's side of the SysEx protocol: its four message templates, the
// bulk-dump and parameter-change templates the MIDI interface and the device
// finder match against, their prebuilt requests and parameter change, and
// the addresses that probe for the instrument. Owned by the FS1R device,
// which must keep it alive while the interface and the finder use it.
#include "instrument/Fs1rMemoryLayout.h"
#include "sysex/PackedAddress.h"
#include "sysex/SysexMessage.h"
#include "sysex/SysexTemplate.h"

#include <array>
#include <cstdint>
#include <vector>

class MidiDeviceFinder;
class MidiInterface;

class Fs1rSysexProtocol {
public:
    // Bytes after F0; the device number goes into the low nibble of the
    // second byte, which the templates hold as 0.
    static constexpr std::array<std::uint8_t, 8> parameterChangeBytes{0x43, 0x10, 0x5E, 0x80, 0x80, 0x80, 0x82, 0x82};
    static constexpr std::array<std::uint8_t, 6> parameterRequestBytes{0x43, 0x30, 0x5E, 0x80, 0x80, 0x80};
    static constexpr std::array<std::uint8_t, 8> bulkDumpBytes{0x43, 0x00, 0x5E, 0x81, 0x81, 0x80, 0x80, 0x80};
    static constexpr std::array<std::uint8_t, 6> dumpRequestBytes{0x43, 0x20, 0x5E, 0x80, 0x80, 0x80};
    // A parameter change carries its value in two 7-bit bytes.
    static constexpr std::uint32_t parameterChangeDataLength = 2;

    // F0, the template, the checksum and F7 around the data of a bulk dump.
    static constexpr std::int32_t dumpOverhead = std::int32_t(bulkDumpBytes.size()) + 3;
    // The largest message: the dump of a formant sequence of 512 frames.
    static constexpr std::int32_t maxSysexSize =
        std::int32_t(Fs1rMemoryLayout::fseqDumpSize(Fs1rMemoryLayout::fseqMaxFrames)) + dumpOverhead;

    Fs1rSysexProtocol();
    Fs1rSysexProtocol(const Fs1rSysexProtocol&) = delete;
    Fs1rSysexProtocol& operator=(const Fs1rSysexProtocol&) = delete;

    const SysexTemplate& bulkDump() const { return bulkDump_; }
    const SysexTemplate& parameterChange() const { return parameterChange_; }

    // Hands both templates to the interface and lays out its prebuilt
    // parameter change, parameter request and dump request.
    void setUp(MidiInterface& midi) const;
    // The finder's request is a parameter request; answers are parameter
    // changes.
    void setUp(MidiDeviceFinder& finder) const;

    static void createParameterChange(SysexMessage& message);
    static void createParameterRequest(SysexMessage& message);
    static void createDumpRequest(SysexMessage& message);

    // System parameter addresses the instrument answers; the first one is
    // the connection probe.
    static const std::vector<PackedAddress>& probeAddresses();

private:
    SysexTemplate bulkDump_;
    SysexTemplate parameterChange_;
};
