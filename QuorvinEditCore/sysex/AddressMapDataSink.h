#pragma once
// Reads received data into an address map and dump data out of it, address
// by address in bulk-dump space. The device forwards its data sink and dump
// source to one of these; it does not own the map.
#include "sysex/AddressMap.h"
#include "sysex/DeviceDataSink.h"
#include "sysex/DumpDataSource.h"

class AddressMapDataSink : public DeviceDataSink, public DumpDataSource {
public:
    explicit AddressMapDataSink(AddressMap& map) : map_(map) {}

    void parameterReceived(PackedAddress address, std::uint32_t value, std::uint32_t flags) override;
    std::size_t bytesReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> bytes,
        std::uint32_t flags) override;
    // Empty slots give the byte their page keeps; addresses outside every
    // page, and entries that do not fit the rest of output, give one zero
    // byte each.
    std::size_t readBytesWithSum(PackedAddress dumpAddress, std::span<std::uint8_t> output,
        std::uint32_t& sum) override;

private:
    // Consecutive addresses nearly always lie in the page of the last one.
    // Pages do not overlap in dump space, so this is the page findPage gives.
    AddressPage* dumpPage(PackedAddress dumpAddress);

    AddressMap& map_;
    AddressPage* lastPage_ = nullptr;
};
