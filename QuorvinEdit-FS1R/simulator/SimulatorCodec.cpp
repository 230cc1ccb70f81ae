#include "simulator/SimulatorCodec.h"

#include <algorithm>

namespace {

constexpr std::uint8_t sysexStart = 0xF0;
constexpr std::uint8_t sysexEnd = 0xF7;
constexpr std::uint8_t yamahaId = 0x43;
constexpr std::uint8_t fs1rModelId = 0x5E;
constexpr std::uint8_t sevenBits = 0x7F;
constexpr std::size_t headerSize = 4;  // F0 43 xn 5E
constexpr std::size_t countOffset = 4; // bulk dump: cH cL before the address
constexpr std::size_t addressSize = 3;

struct KindCode {
    SimulatorMessage::Kind kind;
    std::uint8_t highNibble;
};

constexpr KindCode kindCodes[] = {
    {SimulatorMessage::Kind::BulkDump, 0x00},
    {SimulatorMessage::Kind::ParameterChange, 0x10},
    {SimulatorMessage::Kind::DumpRequest, 0x20},
    {SimulatorMessage::Kind::ParameterRequest, 0x30},
};

std::uint8_t kindNibble(SimulatorMessage::Kind kind)
{
    return std::find_if(std::begin(kindCodes), std::end(kindCodes), [kind](const KindCode& c) { return c.kind == kind; })
        ->highNibble;
}

std::optional<SimulatorMessage::Kind> kindOf(std::uint8_t nibble)
{
    for (const KindCode& code : kindCodes)
        if (code.highNibble == nibble)
            return code.kind;
    return std::nullopt;
}

std::uint32_t readAddress(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) << 16 | std::uint32_t(bytes[1]) << 8 | bytes[2];
}

void appendAddress(std::vector<std::uint8_t>& out, std::uint32_t address)
{
    out.push_back((address >> 16) & sevenBits);
    out.push_back((address >> 8) & sevenBits);
    out.push_back(address & sevenBits);
}

void appendFourteenBits(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back((value >> 7) & sevenBits);
    out.push_back(value & sevenBits);
}

std::vector<std::uint8_t> header(SimulatorMessage::Kind kind, unsigned deviceNumber)
{
    return {sysexStart, yamahaId, std::uint8_t(kindNibble(kind) | (deviceNumber & 0x0F)), fs1rModelId};
}

bool isFramed(std::span<const std::uint8_t> m)
{
    if (m.size() < SimulatorCodec::requestSize || m.front() != sysexStart || m.back() != sysexEnd)
        return false;
    if (m[1] != yamahaId || m[3] != fs1rModelId)
        return false;
    return std::all_of(m.begin() + 1, m.end() - 1, [](std::uint8_t b) { return b <= sevenBits; });
}

std::size_t expectedSize(SimulatorMessage::Kind kind)
{
    switch (kind) {
    case SimulatorMessage::Kind::ParameterChange:
        return SimulatorCodec::parameterChangeSize;
    case SimulatorMessage::Kind::BulkDump:
        return 0; // variable
    default:
        return SimulatorCodec::requestSize;
    }
}

} // namespace

std::optional<SimulatorMessage> SimulatorCodec::decode(std::span<const std::uint8_t> m)
{
    if (!isFramed(m))
        return std::nullopt;
    const auto kind = kindOf(m[2] & 0xF0);
    if (!kind)
        return std::nullopt;
    const std::size_t expected = expectedSize(*kind);
    if (expected != 0 ? m.size() != expected : m.size() < dumpOverhead)
        return std::nullopt;

    SimulatorMessage message;
    message.kind = *kind;
    message.deviceNumber = m[2] & 0x0F;
    if (*kind != SimulatorMessage::Kind::BulkDump) {
        message.address = readAddress(&m[headerSize]);
        if (*kind == SimulatorMessage::Kind::ParameterChange)
            message.value = unsigned(m[7]) << 7 | m[8];
        return message;
    }
    message.byteCount = unsigned(m[countOffset]) << 7 | m[countOffset + 1];
    message.address = readAddress(&m[countOffset + 2]);
    const std::size_t dataStart = countOffset + 2 + addressSize;
    message.data = m.subspan(dataStart, m.size() - dumpOverhead);
    const auto summed = m.subspan(countOffset, m.size() - countOffset - 1); // through the checksum
    message.checksumHolds = checksum(summed) == 0;
    return message;
}

std::vector<std::uint8_t> SimulatorCodec::parameterChange(unsigned deviceNumber, std::uint32_t address, unsigned value)
{
    std::vector<std::uint8_t> out = header(SimulatorMessage::Kind::ParameterChange, deviceNumber);
    appendAddress(out, address);
    appendFourteenBits(out, value);
    out.push_back(sysexEnd);
    return out;
}

std::vector<std::uint8_t> SimulatorCodec::bulkDump(unsigned deviceNumber, std::uint32_t address,
                                                   std::span<const std::uint8_t> data, unsigned countDivisor)
{
    std::vector<std::uint8_t> out = header(SimulatorMessage::Kind::BulkDump, deviceNumber);
    out.reserve(data.size() + dumpOverhead);
    appendFourteenBits(out, unsigned(data.size() / std::max(countDivisor, 1u)));
    appendAddress(out, address);
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(checksum(std::span(out).subspan(countOffset)));
    out.push_back(sysexEnd);
    return out;
}

std::uint8_t SimulatorCodec::checksum(std::span<const std::uint8_t> summedBytes)
{
    unsigned sum = 0;
    for (std::uint8_t b : summedBytes)
        sum += b;
    return std::uint8_t(-sum & sevenBits);
}
