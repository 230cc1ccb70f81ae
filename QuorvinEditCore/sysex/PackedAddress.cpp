#include "sysex/PackedAddress.h"

namespace {

constexpr unsigned bitsPerAddressByte = 7;
constexpr unsigned bitsPerWordByte = 8;
constexpr unsigned addressBytes = 4;
constexpr std::uint32_t sevenBits = 0x7F;

} // namespace

std::uint32_t linearAddress(PackedAddress address)
{
    std::uint32_t linear = 0;
    for (unsigned i = 0; i < addressBytes; ++i)
        linear |= ((address >> (bitsPerWordByte * i)) & sevenBits) << (bitsPerAddressByte * i);
    return linear;
}

PackedAddress packLinearAddress(std::uint32_t linear)
{
    PackedAddress address = 0;
    for (unsigned i = 0; i < addressBytes; ++i)
        address |= ((linear >> (bitsPerAddressByte * i)) & sevenBits) << (bitsPerWordByte * i);
    return address;
}

PackedAddress addToPackedAddress(PackedAddress address, std::uint32_t n)
{
    if (!isValidPackedAddress(address))
        return invalidAddress;
    // Packing keeps only 28 bits, which is the wrap.
    return packLinearAddress(linearAddress(address) + n);
}

std::int32_t packedAddressIndex(PackedAddress a, PackedAddress b)
{
    return std::int32_t(linearAddress(a)) - std::int32_t(linearAddress(b));
}
