#pragma once
// A short (non-SysEx) MIDI message, passed by value between ports, the MIDI
// interface and the control sets. Unused data bytes are 0.
#include <cstdint>

struct MidiMessage {
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;

    friend bool operator==(const MidiMessage&, const MidiMessage&) = default;
};
