#pragma once
// Receives what arrives on an input port, on the port's input thread. The
// SysEx buffer holds the message from its F0 on; it belongs to the port and
// is valid only during the call.
#include "midi/MidiDeviceInfo.h"
#include "midi/MidiMessage.h"

#include <cstddef>
#include <cstdint>

class MidiInPort;

class MidiInputListener {
public:
    virtual ~MidiInputListener() = default;
    virtual void onShortMessage(MidiMessage message, MidiInPort& port) = 0;
    virtual void onSysexStart(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo& port) = 0;
    virtual void onSysexData(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo& port) = 0;
    virtual void onSysexEnd(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo& port) = 0;
};
