#pragma once
// Puts a dump's data into memory through a data sink address by address, as
// a template reads a message, without a message around it.
#include "sysex/DeviceDataSink.h"

#include <algorithm>
#include <span>

inline void writeDump(DeviceDataSink& sink, PackedAddress address, std::span<const std::uint8_t> data,
    std::uint32_t flags)
{
    for (std::size_t done = 0; done < data.size();) {
        const std::size_t taken = sink.bytesReceived(addToPackedAddress(address, std::uint32_t(done)),
            data.subspan(done), flags);
        done += std::max<std::size_t>(taken, 1);
    }
}
