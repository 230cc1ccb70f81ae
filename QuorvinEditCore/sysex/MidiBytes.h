#pragma once
// Small readings of MIDI bytes used by the port layer, the MIDI message
// parameter and the control-set bindings.
#include <cstdint>

namespace MidiByte {
inline constexpr std::uint8_t sysexStart = 0xF0;
inline constexpr std::uint8_t sysexEnd = 0xF7;
// Set in status bytes, clear in data bytes.
inline constexpr std::uint8_t statusBit = 0x80;
inline constexpr std::uint8_t sevenBits = 0x7F;
} // namespace MidiByte

// A 14-bit value from two data bytes, the first holding the low 7 bits
// (pitch-bend order).
std::uint32_t read14Bit(std::uint8_t first, std::uint8_t second);
// The length of a short message from its status byte, 0 for SysEx and
// undefined statuses; data bytes give 3 (running status is not known here).
int midiMessageLength(std::uint8_t status);
