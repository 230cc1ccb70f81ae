#pragma once
// A short SysEx message sent often (parameter change, parameter request, dump
// request), built once and given a new address and value before each send.
// Owned by the MIDI interface.
#include "sysex/PackedAddress.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class SysexMessage {
public:
    using Header = std::array<std::uint8_t, 3>;

    // F0, the three header bytes (device number in the low nibble of the
    // second), three address bytes, dataLength value bytes, F7.
    void create(const Header& header, std::uint32_t dataLength);
    // Writes the device number into the low nibble of message byte 2.
    void setDeviceNumber(std::uint8_t deviceNumber);
    // Address bytes most significant first; value bytes (value >> 7k) & 0x7F
    // counted from the last, so a negative value fills the high bytes with
    // 0x7F and a wide one keeps only the low bits that fit.
    void setAddressAndValue(PackedAddress address, std::int32_t value);

    std::uint8_t deviceNumber() const { return deviceNumber_; }
    std::uint32_t dataLength() const { return dataLength_; }
    std::span<const std::uint8_t> bytes() const { return buffer_; }

private:
    std::vector<std::uint8_t> buffer_;
    std::uint32_t dataLength_ = 0;
    std::uint8_t deviceNumber_ = 0;
};
