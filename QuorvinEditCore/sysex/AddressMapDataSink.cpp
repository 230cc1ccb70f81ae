#include "sysex/AddressMapDataSink.h"

#include "params/SetValueFlags.h"

#include <numeric>

void AddressMapDataSink::parameterReceived(PackedAddress address, std::uint32_t value, std::uint32_t flags)
{
    // As for a dump, the value is in the entry already: a parameter sharing
    // the entry whose range the value lies outside must not write its clamped
    // reading back over what the others read.
    map_.setValue(address, value, flags & ~SetValueFlag::storeBoundData);
}

std::size_t AddressMapDataSink::bytesReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> bytes,
    std::uint32_t flags)
{
    AddressPage* page = dumpPage(dumpAddress);
    return page ? page->writeBytes(dumpAddress, bytes, flags) : 0;
}

std::size_t AddressMapDataSink::readBytesWithSum(PackedAddress dumpAddress, std::span<std::uint8_t> output,
    std::uint32_t& sum)
{
    std::size_t done = 0;
    while (done < output.size()) {
        const PackedAddress address = addToPackedAddress(dumpAddress, std::uint32_t(done));
        const AddressPage* page = dumpPage(address);
        const auto rest = output.subspan(done);
        std::size_t count = page ? page->readBytes(address, rest) : 0;
        if (count == 0) {
            rest[0] = 0;
            count = 1;
        }
        sum = std::accumulate(rest.begin(), rest.begin() + count, sum);
        done += count;
    }
    return done;
}

AddressPage* AddressMapDataSink::dumpPage(PackedAddress dumpAddress)
{
    if (!lastPage_ || !lastPage_->contains(dumpAddress, true))
        lastPage_ = map_.findPage(dumpAddress, true);
    return lastPage_;
}
