#pragma once
// Where the data of an outgoing bulk dump comes from: the device implements
// it over its address map.
#include "sysex/PackedAddress.h"

#include <cstddef>
#include <cstdint>
#include <span>

class DumpDataSource {
public:
    virtual ~DumpDataSource() = default;
    // Fills output with the bytes from a bulk-dump address on, adds each byte
    // written to sum and returns the count written (output.size() at most).
    virtual std::size_t readBytesWithSum(PackedAddress dumpAddress, std::span<std::uint8_t> output,
        std::uint32_t& sum) = 0;
};
