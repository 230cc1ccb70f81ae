#include "sysex/SysexTemplate.h"

#include "sysex/MidiBytes.h"

#include <algorithm>
#include <numeric>

namespace {

using MidiByte::sysexStart;
using MidiByte::sysexEnd;
using MidiByte::statusBit;
using MidiByte::sevenBits;
// The device number is the low nibble of message byte 2 (F0 being byte 0).
constexpr std::size_t deviceNumberByte = 2;
constexpr std::uint8_t deviceNumberMask = 0x0F;
constexpr unsigned bitsPerDataByte = 7;
constexpr unsigned bitsPerPackedAddressByte = 8;
constexpr unsigned wordBits = 32;
// A formant-sequence dump is too long for its 14-bit count, so its count
// holds half the data length; received counts may be either.
constexpr std::uint64_t halvedCountDivisor = 2;

bool isStatus(std::uint8_t byte)
{
    return (byte & statusBit) != 0;
}

SysexParseResult statusResult(std::uint8_t byte)
{
    return byte == sysexEnd ? SysexParseResult::endInData : SysexParseResult::statusInData;
}

bool isPlaceholder(std::uint8_t templateByte)
{
    return templateByte >= SysexTemplate::addressByte && templateByte <= SysexTemplate::valueByte;
}

std::size_t runLength(std::span<const std::uint8_t> bytes, std::size_t from)
{
    const auto end = std::find_if(bytes.begin() + from, bytes.end(), [&](std::uint8_t b) { return b != bytes[from]; });
    return std::size_t(end - (bytes.begin() + from));
}

// Writes value into the field most significant group first; group i counted
// from the last is (value >> shift * i) & 0x7F.
void writeGroups(std::span<std::uint8_t> field, std::uint32_t value, unsigned shift)
{
    for (std::size_t i = 0; i < field.size(); ++i) {
        const std::size_t bits = shift * i;
        field[field.size() - 1 - i] = bits < wordBits ? (value >> bits) & sevenBits : 0;
    }
}

bool fitsGroups(std::uint32_t value, std::size_t groups)
{
    const std::size_t bits = bitsPerDataByte * groups;
    return bits >= wordBits || value < (std::uint32_t(1) << bits);
}

} // namespace

SysexTemplate::SysexTemplate(std::span<const std::uint8_t> bytes, std::uint32_t checksumMode)
    : bytes_(bytes)
    , checksumMode_(checksumMode)
    , hasCount_(std::ranges::find(bytes, countByte) != bytes.end())
    , hasValue_(std::ranges::find(bytes, valueByte) != bytes.end())
{
}

SysexParseResult SysexTemplate::match(SysexReadState& state) const
{
    state.sum = 0;
    state.trailer = checksumMode_ == oneChecksumByte ? 1 : 0;
    if (bytes_.empty())
        return SysexParseResult::emptyTemplate;
    const auto message = state.message;
    if (message.empty() || message[0] != sysexStart)
        return SysexParseResult::noStart;
    state.address = 0;
    state.byteCount = 0;
    state.value = 0;
    for (std::size_t k = 0; k < bytes_.size(); ++k) {
        const std::size_t i = k + 1;
        if (i >= message.size())
            return SysexParseResult::endInData;
        std::uint8_t byte = message[i];
        if (i == deviceNumberByte) {
            state.deviceNumber = byte & deviceNumberMask;
            byte &= ~deviceNumberMask;
        }
        const std::uint8_t expected = bytes_[k];
        if (!isPlaceholder(expected)) {
            if (byte != expected)
                return SysexParseResult::literalMismatch;
            continue;
        }
        if (isStatus(message[i]))
            return statusResult(message[i]);
        state.sum += byte;
        if (expected == addressByte)
            state.address = (state.address << bitsPerPackedAddressByte) | byte;
        else if (expected == countByte)
            state.byteCount = (state.byteCount << bitsPerDataByte) | byte;
        else
            state.value = (state.value << bitsPerDataByte) | byte;
    }
    state.cursor = bytes_.size() + 1;
    return SysexParseResult::success;
}

SysexParseResult SysexTemplate::readData(SysexReadState& state, DeviceDataSink& sink, std::uint32_t flags) const
{
    const SysexParseResult result = checkWhole(state, true);
    if (result != SysexParseResult::success)
        return result;
    const std::size_t dataEnd = state.message.size() - 1 - state.trailer;
    PackedAddress address = state.address;
    while (state.cursor < dataEnd) {
        const auto rest = state.message.subspan(state.cursor, dataEnd - state.cursor);
        // An address without an entry skips one byte.
        const std::size_t taken = std::clamp<std::size_t>(sink.bytesReceived(address, rest, flags), 1, rest.size());
        state.cursor += taken;
        address = addToPackedAddress(address, std::uint32_t(taken));
    }
    return SysexParseResult::success;
}

SysexParseResult SysexTemplate::matchAndRead(SysexReadState& state, DeviceDataSink& sink, std::uint32_t flags) const
{
    SysexParseResult result = match(state);
    if (result == SysexParseResult::success)
        result = checkWhole(state, false);
    if (result == SysexParseResult::success)
        sink.parameterReceived(state.address, state.value, flags);
    return result;
}

SysexParseResult SysexTemplate::checkWhole(const SysexReadState& state, bool dataAllowed) const
{
    if (checksumMode_ != noChecksum && checksumMode_ != oneChecksumByte)
        return SysexParseResult::checksumError;
    const auto message = state.message;
    const std::size_t framing = state.cursor + state.trailer + 1;
    if (message.size() < framing)
        return SysexParseResult::endInData;
    std::uint32_t sum = state.sum;
    for (std::size_t i = state.cursor; i + 1 < message.size(); ++i) {
        if (isStatus(message[i]))
            return statusResult(message[i]);
        sum += message[i];
    }
    if (message.back() != sysexEnd)
        return SysexParseResult::endMisplaced;
    const std::size_t dataLength = message.size() - framing;
    if (!dataAllowed && dataLength != 0)
        return SysexParseResult::endMisplaced;
    if (dataAllowed && hasCount_ && !countMatches(state.byteCount, dataLength))
        return dataLength < state.byteCount ? SysexParseResult::endInData : SysexParseResult::endMisplaced;
    const bool checksumHolds = checksumMode_ == noChecksum || (sum & sevenBits) == 0;
    return checksumHolds ? SysexParseResult::success : SysexParseResult::checksumError;
}

bool SysexTemplate::countMatches(std::uint32_t byteCount, std::size_t dataLength) const
{
    return byteCount == dataLength || byteCount * halvedCountDivisor == dataLength;
}

std::size_t SysexTemplate::build(std::span<std::uint8_t> output, std::uint8_t deviceNumber,
    PackedAddress sourceAddress, std::uint32_t byteCount, DumpDataSource& source, PackedAddress headerAddress,
    std::uint32_t countDivisor) const
{
    const PackedAddress address = headerAddress == sourceAddressInHeader ? sourceAddress : headerAddress;
    const std::size_t length = dumpLength(byteCount);
    if (bytes_.empty() || hasValue_ || countDivisor == 0 || !isValidPackedAddress(address) || output.size() < length)
        return 0;
    const std::uint32_t count = byteCount / countDivisor;
    output[0] = sysexStart;
    std::size_t position = 1;
    std::uint32_t sum = 0;
    for (std::size_t k = 0; k < bytes_.size();) {
        const std::uint8_t templateByte = bytes_[k];
        if (templateByte != addressByte && templateByte != countByte) {
            output[position++] = templateByte;
            ++k;
            continue;
        }
        const auto field = output.subspan(position, runLength(bytes_, k));
        if (templateByte == countByte) {
            if (!fitsGroups(count, field.size()))
                return 0;
            writeGroups(field, count, bitsPerDataByte);
        } else {
            writeGroups(field, address, bitsPerPackedAddressByte);
        }
        sum = std::accumulate(field.begin(), field.end(), sum);
        position += field.size();
        k += field.size();
    }
    if (bytes_.size() >= deviceNumberByte)
        output[deviceNumberByte] |= deviceNumber & deviceNumberMask;
    if (source.readBytesWithSum(sourceAddress, output.subspan(position, byteCount), sum) != byteCount)
        return 0;
    position += byteCount;
    output[position++] = (0u - sum) & sevenBits;
    output[position++] = sysexEnd;
    return position;
}
