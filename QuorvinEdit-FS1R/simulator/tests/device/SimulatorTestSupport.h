#pragma once
// Byte-level helpers for the simulator's tests, written from the published
// message layout and not from the simulator's own codec, so that each checks
// the other.
#include "simulator/SimulatedFs1r.h"

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t parameterRequestCode = 0x30;
inline constexpr std::uint8_t dumpRequestCode = 0x20;
inline constexpr std::uint8_t parameterChangeCode = 0x10;

// The checksum byte of a bulk dump: the 7-bit two's complement of the sum of
// the count, address and data bytes.
inline std::uint8_t independentChecksum(const Bytes& dump)
{
    unsigned sum = 0;
    for (std::size_t i = 4; i + 2 < dump.size(); ++i)
        sum += dump[i];
    return std::uint8_t((128 - sum % 128) % 128);
}

inline Bytes request(std::uint8_t code, unsigned device, std::uint32_t address)
{
    return {0xF0, 0x43, std::uint8_t(code | device), 0x5E, std::uint8_t(address >> 16), std::uint8_t(address >> 8),
            std::uint8_t(address), 0xF7};
}

inline Bytes parameterChange(unsigned device, std::uint32_t address, unsigned value)
{
    return {0xF0, 0x43, std::uint8_t(parameterChangeCode | device), 0x5E, std::uint8_t(address >> 16),
            std::uint8_t(address >> 8), std::uint8_t(address), std::uint8_t(value / 128), std::uint8_t(value % 128), 0xF7};
}

inline Bytes bulkDump(unsigned device, std::uint32_t address, const Bytes& data, std::size_t count)
{
    Bytes dump{0xF0, 0x43, std::uint8_t(device), 0x5E, std::uint8_t(count / 128), std::uint8_t(count % 128),
               std::uint8_t(address >> 16), std::uint8_t(address >> 8), std::uint8_t(address)};
    dump.insert(dump.end(), data.begin(), data.end());
    dump.push_back(0);
    dump.push_back(0xF7);
    dump[dump.size() - 2] = independentChecksum(dump);
    return dump;
}

inline Bytes bulkDump(unsigned device, std::uint32_t address, const Bytes& data)
{
    return bulkDump(device, address, data, data.size());
}

// A simulated instrument whose answers are kept, message by message.
struct SimulatorRig {
    SimulatorRig()
        : fs1r([this](const std::uint8_t* data, std::size_t size) { sent.emplace_back(data, data + size); })
    {
    }

    void send(const Bytes& bytes) { fs1r.receiveBytes(bytes.data(), bytes.size()); }

    // The answers since the last call.
    std::vector<Bytes> takeSent()
    {
        std::vector<Bytes> taken;
        taken.swap(sent);
        return taken;
    }

    std::vector<Bytes> sent;
    SimulatedFs1r fs1r;
};
