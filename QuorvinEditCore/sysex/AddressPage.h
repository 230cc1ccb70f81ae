#pragma once
// A run of consecutive addresses of the instrument's memory with one entry
// slot per address. Entries are found by parameter address or, moved by the
// page's dump offset, by bulk-dump address. A byte that no entry holds is
// kept beside the slots as it was received, so a dump goes back whole. Owned
// by the AddressMap; owns the entries in its slots.
#include "sysex/AddressEntry.h"
#include "sysex/PackedAddress.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class AddressPage {
public:
    AddressPage(PackedAddress start, std::uint32_t size);

    PackedAddress start() const { return start_; }
    std::uint32_t size() const { return std::uint32_t(slots_.size()); }

    // Linear distance from a parameter address to the same byte's bulk-dump
    // address, modulo 2^28 (so a dump address below the parameter address
    // is a large number).
    std::uint32_t dumpOffset() const { return dumpOffset_; }
    void setDumpOffset(std::uint32_t offset) { dumpOffset_ = offset; }
    // Set on pages whose values are never sent as parameter changes;
    // entries copy it when they are made.
    bool neverSend() const { return neverSend_; }
    void setNeverSend(bool neverSend) { neverSend_ = neverSend; }

    // Invalid words are in no page.
    bool contains(PackedAddress address, bool dumpSpace) const;

    // Puts the entry into the slot of its address and gives back what the
    // page could not keep: the entry itself when its address is outside the
    // page, or the entry it replaced in a used slot.
    std::unique_ptr<AddressEntry> registerEntry(std::unique_ptr<AddressEntry> entry);

    // The entry at a parameter address, or none.
    AddressEntry* entryAt(PackedAddress address) const;
    // The entry at a bulk-dump address, or none.
    AddressEntry* entryAtDumpAddress(PackedAddress dumpAddress) const;

    // Bytes at a bulk-dump address: the entry's, or the one byte kept there
    // when the slot is empty; 0 when the address is outside the page or the
    // entry's bytes do not fit.
    std::size_t writeBytes(PackedAddress dumpAddress, std::span<const std::uint8_t> bytes, std::uint32_t flags);
    std::size_t readBytes(PackedAddress dumpAddress, std::span<std::uint8_t> output) const;
    // Adds what no parameter sends at a bulk-dump address, with its
    // parameter address: the value of an entry no parameter listens to, or
    // the byte kept in an empty slot; nothing on a page never sent. Returns
    // the bytes the slot spans: an entry's size, else 1.
    std::uint32_t collectUnsentValue(PackedAddress dumpAddress,
        std::vector<std::pair<PackedAddress, std::uint32_t>>& found) const;
    // The value at a parameter address; 0 when there is no entry or it holds
    // more than four bytes.
    std::uint32_t readValue(PackedAddress address) const;

private:
    std::optional<std::size_t> slotIndex(PackedAddress address, bool dumpSpace) const;
    AddressEntry* entryInSlot(PackedAddress address, bool dumpSpace) const;

    PackedAddress start_;
    // Kept so that the lookup done for every byte of a dump stays cheap.
    std::uint32_t linearStart_;
    std::uint32_t dumpOffset_ = 0;
    bool neverSend_ = false;
    std::vector<std::unique_ptr<AddressEntry>> slots_;
    std::vector<std::uint8_t> looseBytes_;
};
