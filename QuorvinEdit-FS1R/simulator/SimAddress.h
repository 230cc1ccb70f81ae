#pragma once
// Three-byte FS1R addresses as the simulated instrument sees them: 7 bits per
// byte, written 0xHHMMLL. Kept apart from the editor's own address helpers so
// that tests compare two independent readings of the protocol.
#include <cstdint>

struct SimAddress {
    static constexpr std::uint32_t byteMask = 0x7F;

    static constexpr std::uint32_t linear(std::uint32_t packed)
    {
        return ((packed >> 16) & byteMask) << 14 | ((packed >> 8) & byteMask) << 7 | (packed & byteMask);
    }

    static constexpr std::uint32_t packed(std::uint32_t linear)
    {
        return ((linear >> 14) & byteMask) << 16 | ((linear >> 7) & byteMask) << 8 | (linear & byteMask);
    }

    static constexpr std::uint32_t add(std::uint32_t packedAddress, std::uint32_t count)
    {
        return packed(linear(packedAddress) + count);
    }

    static constexpr bool isValid(std::uint32_t packedAddress) { return (packedAddress & 0xFF808080u) == 0; }
};
