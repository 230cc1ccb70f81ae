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

// Number of data bytes that follow a status byte: 0 for SysEx, real-time and
// the single-byte system messages, and for bytes that are no status.
constexpr std::uint8_t midiDataLength(std::uint8_t status)
{
    if (status < 0x80)
        return 0;
    if (status < 0xF0)
        return (status & 0xE0) == 0xC0 ? 1 : 2; // Cn and Dn carry one byte
    if (status == 0xF2)
        return 2;
    return status == 0xF1 || status == 0xF3 ? 1 : 0;
}
