#pragma once
// SysEx addresses as the instrument sends them: up to four 7-bit bytes kept
// one per byte of a 32-bit word (0x100015 is the bytes 10 00 15). Arithmetic
// carries from byte to byte at 7 bits; a word with a top bit set is invalid.
// Inline because a dump is read and built address by address.
#include <cstdint>

using PackedAddress = std::uint32_t;

// Any of these bits set makes a word no address.
inline constexpr PackedAddress invalidAddressBits = 0x80808080;
// What arithmetic on an invalid word gives, so that senders still refuse it.
inline constexpr PackedAddress invalidAddress = 0xFFFFFFFF;
// Linear addresses and their arithmetic are 28 bits wide.
inline constexpr std::uint32_t linearAddressMask = 0x0FFFFFFF;

namespace PackedAddressLayout {
inline constexpr unsigned bytes = 4;
inline constexpr unsigned bitsPerAddressByte = 7;
inline constexpr unsigned bitsPerWordByte = 8;
inline constexpr std::uint32_t sevenBits = 0x7F;
} // namespace PackedAddressLayout

constexpr bool isValidPackedAddress(PackedAddress address)
{
    return (address & invalidAddressBits) == 0;
}

// The 28-bit number the 7-bit groups stand for; top bits are ignored.
constexpr std::uint32_t linearAddress(PackedAddress address)
{
    using namespace PackedAddressLayout;
    std::uint32_t linear = 0;
    for (unsigned i = 0; i < bytes; ++i)
        linear |= ((address >> (bitsPerWordByte * i)) & sevenBits) << (bitsPerAddressByte * i);
    return linear;
}

// The packed form of the low 28 bits of a linear number.
constexpr PackedAddress packLinearAddress(std::uint32_t linear)
{
    using namespace PackedAddressLayout;
    PackedAddress address = 0;
    for (unsigned i = 0; i < bytes; ++i)
        address |= ((linear >> (bitsPerAddressByte * i)) & sevenBits) << (bitsPerWordByte * i);
    return address;
}

// linear(address) + n, packed again; packing keeps 28 bits, so the sum wraps
// there. An invalid word stays invalid.
constexpr PackedAddress addToPackedAddress(PackedAddress address, std::uint32_t n)
{
    return isValidPackedAddress(address) ? packLinearAddress(linearAddress(address) + n) : invalidAddress;
}

// base + offset, both packed, carrying across the 7-bit groups; the editor
// pages place a parameter at its group's base address plus an offset. An
// invalid word gives an invalid word, so senders refuse the result.
constexpr PackedAddress sumPackedAddresses(PackedAddress base, PackedAddress offset)
{
    return isValidPackedAddress(offset) ? addToPackedAddress(base, linearAddress(offset)) : invalidAddress;
}

// linear(a) - linear(b): the slot index of a in a page that starts at b.
constexpr std::int32_t packedAddressIndex(PackedAddress a, PackedAddress b)
{
    return std::int32_t(linearAddress(a)) - std::int32_t(linearAddress(b));
}

static_assert(addToPackedAddress(0x107F7F, 1) == 0x110000);
