#pragma once
// Shared by the device finder's tests: the FS1R's probe addresses and
// message layouts, and a device that records what the finder reports.
#include "midi/MidiDeviceFinderClient.h"
#include "sysex/SysexMessage.h"

#include <cstdint>
#include <string>
#include <vector>

#include <wx/log.h>

namespace fs1r {

inline constexpr std::uint8_t parameterChangeBytes[]{0x43, 0x10, 0x5E, 0x80, 0x80, 0x80, 0x82, 0x82};
inline constexpr SysexMessage::Header parameterRequestHeader{0x43, 0x30, 0x5E};
inline constexpr std::int32_t maxSysexSize = 25643;

inline std::vector<PackedAddress> probeAddresses()
{
    std::vector<PackedAddress> addresses{0x00, 0x06, 0x07, 0x08, 0x09, 0x0B, 0x0D, 0x0E};
    for (PackedAddress address = 0x11; address <= 0x29; ++address)
        addresses.push_back(address);
    return addresses;
}

// What the instrument answers a parameter request with.
inline std::vector<std::uint8_t> parameterChange(std::uint8_t deviceId, PackedAddress address, std::uint8_t value)
{
    return {0xF0, 0x43, std::uint8_t(0x10 | deviceId), 0x5E, std::uint8_t(address >> 16 & 0x7F),
        std::uint8_t(address >> 8 & 0x7F), std::uint8_t(address & 0x7F), 0x00, value, 0xF7};
}

} // namespace fs1r

// The device side of a search. It logs its calls, so a test can see them in
// order with the finder's own messages.
class FinderClient : public MidiDeviceFinderClient {
public:
    struct Found {
        std::string input;
        std::string output;
        int deviceId;
    };

    std::vector<PackedAddress> probeAddresses() const override { return fs1r::probeAddresses(); }
    std::int32_t maxSysexSize() const override { return fs1r::maxSysexSize; }
    void disconnect() override
    {
        ++disconnects;
        wxLogMessage("device: disconnect");
    }
    void onDeviceFound(const MidiDeviceInfo& input, const MidiDeviceInfo& output, std::uint8_t deviceId) override
    {
        found.push_back({input.name().toUtf8(), output.name().toUtf8(), deviceId});
        wxLogMessage("device: found");
    }
    void onDeviceNotFound() override
    {
        ++notFound;
        wxLogMessage("device: not found");
    }

    int results() const { return int(found.size()) + notFound; }

    int disconnects = 0;
    int notFound = 0;
    std::vector<Found> found;
};
