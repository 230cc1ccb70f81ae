#pragma once
// One kind of SysEx message as the bytes after F0, with placeholder bytes for
// the address, byte count and value. It recognises incoming messages, reads a
// checked bulk dump into the device's data sink and builds outgoing dumps.
// Made and owned by the device; the template bytes are the device's constant
// tables, which it does not own.
#include "sysex/DeviceDataSink.h"
#include "sysex/DumpDataSource.h"
#include "sysex/SysexParseResult.h"
#include "sysex/SysexReadState.h"

#include <cstddef>
#include <cstdint>
#include <span>

class SysexTemplate {
public:
    static constexpr std::uint8_t addressByte = 0x80;
    static constexpr std::uint8_t countByte = 0x81;
    static constexpr std::uint8_t valueByte = 0x82;

    static constexpr std::uint32_t noChecksum = 0;
    // One checksum byte between the data and F7. Any other mode fails every
    // checksum test.
    static constexpr std::uint32_t oneChecksumByte = 1;

    // A build's header address that stands for its source address.
    static constexpr PackedAddress sourceAddressInHeader = 0xFFFFFFFF;

    SysexTemplate() = default;
    SysexTemplate(std::span<const std::uint8_t> bytes, std::uint32_t checksumMode);

    std::span<const std::uint8_t> bytes() const { return bytes_; }
    std::uint32_t checksumMode() const { return checksumMode_; }

    // Matches the header and takes its device number, address, byte count
    // and value. Needs only the header, so the first piece of a dump that is
    // still arriving can be matched; the message is not changed.
    SysexParseResult match(SysexReadState& state) const;
    // After a successful match: checks the whole message (status bytes, the
    // final F7, the byte count, which may be the data length or half of it,
    // and the checksum), then hands the data to the sink address by address.
    // A message that fails writes nothing.
    SysexParseResult readData(SysexReadState& state, DeviceDataSink& sink, std::uint32_t flags) const;
    // Matches a message that is a header only (a parameter change), checks
    // it whole and hands its value to the sink.
    SysexParseResult matchAndRead(SysexReadState& state, DeviceDataSink& sink, std::uint32_t flags) const;

    // The length of the bulk dump build() makes for byteCount data bytes.
    std::size_t dumpLength(std::uint32_t byteCount) const { return bytes_.size() + byteCount + dumpFraming; }
    // Writes a bulk dump of byteCount bytes read from the source, whose count
    // field holds byteCount / countDivisor, with the checksum and F7.
    // Returns its length, or 0 with nothing usable built when output is too
    // small, the divisor is 0, the count does not fit its field, the header
    // address is invalid, the template holds value placeholders or the
    // source gives fewer bytes.
    std::size_t build(std::span<std::uint8_t> output, std::uint8_t deviceNumber, PackedAddress sourceAddress,
        std::uint32_t byteCount, DumpDataSource& source, PackedAddress headerAddress = sourceAddressInHeader,
        std::uint32_t countDivisor = 1) const;

private:
    // F0 before the template bytes, the checksum and F7 after the data.
    static constexpr std::size_t dumpFraming = 3;

    SysexParseResult checkWhole(const SysexReadState& state, bool dataAllowed) const;
    bool countMatches(std::uint32_t byteCount, std::size_t dataLength) const;

    std::span<const std::uint8_t> bytes_;
    std::uint32_t checksumMode_ = noChecksum;
    bool hasCount_ = false;
    bool hasValue_ = false;
};
