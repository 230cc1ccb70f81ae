#pragma once
// Where received SysEx data goes: the device implements it and writes into
// its address map. Templates read into it only after a message has been
// checked whole.
#include "sysex/PackedAddress.h"

#include <cstddef>
#include <cstdint>
#include <span>

class DeviceDataSink {
public:
    virtual ~DeviceDataSink() = default;
    // A value for a parameter address.
    virtual void parameterReceived(PackedAddress address, std::uint32_t value, std::uint32_t flags) = 0;
    // Data at a bulk-dump address: the sink takes what the entry there holds,
    // never more than bytes.size(), and returns the count (0 when no entry
    // takes any).
    virtual std::size_t bytesReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> bytes,
        std::uint32_t flags) = 0;
};
