#pragma once
// Forwards received data to an address map and counts every call, so a
// check sees whether anything at all reached the memory.
#include "sysex/AddressMapDataSink.h"

class CountingSink : public DeviceDataSink {
public:
    explicit CountingSink(AddressMap& map) : sink(map) {}
    void parameterReceived(PackedAddress address, std::uint32_t value, std::uint32_t flags) override
    {
        ++calls;
        sink.parameterReceived(address, value, flags);
    }
    std::size_t bytesReceived(PackedAddress address, std::span<const std::uint8_t> bytes, std::uint32_t flags) override
    {
        ++calls;
        return sink.bytesReceived(address, bytes, flags);
    }

    AddressMapDataSink sink;
    long calls = 0;
};
