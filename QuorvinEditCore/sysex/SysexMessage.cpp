#include "sysex/SysexMessage.h"

#include "sysex/MidiBytes.h"

#include <algorithm>

namespace {

using MidiByte::sysexStart;
using MidiByte::sysexEnd;
using MidiByte::sevenBits;
constexpr std::size_t deviceNumberByte = 2;
constexpr std::uint8_t deviceNumberMask = 0x0F;
constexpr std::size_t addressPosition = 4;
constexpr std::size_t addressLength = 3;
constexpr unsigned bitsPerDataByte = 7;
constexpr unsigned bitsPerPackedAddressByte = 8;
constexpr unsigned signBit = 31;

} // namespace

void SysexMessage::create(const Header& header, std::uint32_t dataLength)
{
    dataLength_ = dataLength;
    buffer_.assign(addressPosition + addressLength + dataLength + 1, 0);
    buffer_.front() = sysexStart;
    std::ranges::copy(header, buffer_.begin() + 1);
    buffer_.back() = sysexEnd;
    setDeviceNumber(deviceNumber_);
}

void SysexMessage::setDeviceNumber(std::uint8_t deviceNumber)
{
    deviceNumber_ = deviceNumber & deviceNumberMask;
    if (buffer_.size() > deviceNumberByte)
        buffer_[deviceNumberByte] = (buffer_[deviceNumberByte] & ~deviceNumberMask) | deviceNumber_;
}

void SysexMessage::setAddressAndValue(PackedAddress address, std::int32_t value)
{
    if (buffer_.empty())
        return;
    const auto addressBytes = std::span(buffer_).subspan(addressPosition, addressLength);
    for (std::size_t k = 0; k < addressLength; ++k)
        addressBytes[addressLength - 1 - k] = (address >> (bitsPerPackedAddressByte * k)) & sevenBits;
    const auto valueBytes = std::span(buffer_).subspan(addressPosition + addressLength, dataLength_);
    for (std::size_t k = 0; k < dataLength_; ++k) {
        // Shifting by the sign bit at most keeps the shift defined and still
        // fills with the sign.
        const unsigned shift = unsigned(std::min<std::size_t>(bitsPerDataByte * k, signBit));
        valueBytes[dataLength_ - 1 - k] = (value >> shift) & sevenBits;
    }
}
