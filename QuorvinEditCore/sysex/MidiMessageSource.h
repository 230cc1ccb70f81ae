#pragma once
// A parameter that sends a short MIDI message, as the address map lists it so
// that the device can find the current bank-select and program-change
// messages. The map does not own its sources.
#include <array>
#include <cstdint>

// {status, a spare byte, data 1, data 2}.
using MidiMessagePattern = std::array<std::uint8_t, 4>;

class MidiMessageSource {
public:
    virtual ~MidiMessageSource() = default;
    virtual MidiMessagePattern midiMessage() const = 0;
};
