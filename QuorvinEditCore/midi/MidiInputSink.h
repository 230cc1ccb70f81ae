#pragma once
// Where a backend delivers what arrives on an open input, always on the
// backend's one input thread: short messages whole, SysEx in blocks of at
// most maxBlockSize bytes in arrival order. A block that does not start
// with F0 continues the SysEx under way.
#include "midi/MidiMessage.h"

#include <cstddef>
#include <cstdint>

class MidiInputSink {
public:
    static constexpr std::size_t maxBlockSize = 256;

    virtual ~MidiInputSink() = default;
    virtual void onShortMessage(MidiMessage message) = 0;
    virtual void onSysexBlock(const std::uint8_t* block, std::size_t size) = 0;
};
