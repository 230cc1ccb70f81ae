#pragma once
// SysEx addresses as the instrument sends them: up to four 7-bit bytes kept
// one per byte of a 32-bit word (0x100015 is the bytes 10 00 15). Arithmetic
// carries from byte to byte at 7 bits; a word with a top bit set is invalid.
#include <cstdint>

using PackedAddress = std::uint32_t;

// Any of these bits set makes a word no address.
inline constexpr PackedAddress invalidAddressBits = 0x80808080;
// What arithmetic on an invalid word gives, so that senders still refuse it.
inline constexpr PackedAddress invalidAddress = 0xFFFFFFFF;

constexpr bool isValidPackedAddress(PackedAddress address)
{
    return (address & invalidAddressBits) == 0;
}

// Linear addresses and their arithmetic are 28 bits wide.
inline constexpr std::uint32_t linearAddressMask = 0x0FFFFFFF;

// The 28-bit number the 7-bit groups stand for; top bits are ignored.
std::uint32_t linearAddress(PackedAddress address);
// The packed form of the low 28 bits of a linear number.
PackedAddress packLinearAddress(std::uint32_t linear);

// linear(address) + n, packed again; the sum wraps at 28 bits. An invalid
// word stays invalid.
PackedAddress addToPackedAddress(PackedAddress address, std::uint32_t n);
// linear(a) - linear(b): the slot index of a in a page that starts at b.
std::int32_t packedAddressIndex(PackedAddress a, PackedAddress b);
