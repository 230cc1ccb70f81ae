#include "instrument/Fs1rSysexProtocol.h"

#include "midi/MidiDeviceFinder.h"
#include "midi/MidiInterface.h"

#include <span>

namespace {

// Prebuilt messages start with their template's first three bytes.
SysexMessage::Header headerOf(std::span<const std::uint8_t> templateBytes)
{
    return {templateBytes[0], templateBytes[1], templateBytes[2]};
}

std::vector<PackedAddress> makeProbeAddresses()
{
    constexpr PackedAddress firstOfRun = 0x11;
    constexpr PackedAddress lastOfRun = 0x29;
    std::vector<PackedAddress> addresses{0x00, 0x06, 0x07, 0x08, 0x09, 0x0B, 0x0D, 0x0E};
    for (PackedAddress address = firstOfRun; address <= lastOfRun; ++address)
        addresses.push_back(address);
    return addresses;
}

} // namespace

Fs1rSysexProtocol::Fs1rSysexProtocol()
    : bulkDump_(bulkDumpBytes, SysexTemplate::oneChecksumByte),
      parameterChange_(parameterChangeBytes, SysexTemplate::noChecksum)
{
}

void Fs1rSysexProtocol::setUp(MidiInterface& midi) const
{
    midi.setTemplates(&bulkDump_, &parameterChange_);
    createParameterRequest(midi.parameterRequestMessage());
    createDumpRequest(midi.dumpRequestMessage());
    createParameterChange(midi.parameterChangeMessage());
}

void Fs1rSysexProtocol::setUp(MidiDeviceFinder& finder) const
{
    createParameterRequest(finder.requestMessage());
    finder.setAnswerTemplate(&parameterChange_);
}

void Fs1rSysexProtocol::createParameterChange(SysexMessage& message)
{
    message.create(headerOf(parameterChangeBytes), parameterChangeDataLength);
}

void Fs1rSysexProtocol::createParameterRequest(SysexMessage& message)
{
    message.create(headerOf(parameterRequestBytes), 0);
}

void Fs1rSysexProtocol::createDumpRequest(SysexMessage& message)
{
    message.create(headerOf(dumpRequestBytes), 0);
}

const std::vector<PackedAddress>& Fs1rSysexProtocol::probeAddresses()
{
    static const std::vector<PackedAddress> addresses = makeProbeAddresses();
    return addresses;
}
