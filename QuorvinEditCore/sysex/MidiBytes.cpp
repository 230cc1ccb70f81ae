#include "sysex/MidiBytes.h"

namespace {

using MidiByte::sevenBits;
constexpr unsigned bitsPerDataByte = 7;

// Lengths of the system messages F0 to FF.
constexpr int systemMessageLengths[16] = {0, 2, 3, 2, 0, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1, 1};

constexpr std::uint8_t statusKindMask = 0xF0;
constexpr std::uint8_t programChange = 0xC0;
constexpr std::uint8_t channelPressure = 0xD0;
constexpr std::uint8_t systemMessage = 0xF0;

} // namespace

std::uint32_t read14Bit(std::uint8_t first, std::uint8_t second)
{
    return (std::uint32_t(second & sevenBits) << bitsPerDataByte) | (first & sevenBits);
}

int midiMessageLength(std::uint8_t status)
{
    const std::uint8_t kind = status & statusKindMask;
    if (kind == systemMessage)
        return systemMessageLengths[status & ~statusKindMask];
    if (kind == programChange || kind == channelPressure)
        return 2;
    return 3;
}
