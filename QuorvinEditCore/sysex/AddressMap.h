#pragma once
// The editor's copy of the instrument's memory: pages of SysEx addresses in
// the order the device registers them, and the short-message parameters the
// device looks up. Owned by the device; owns its pages and every entry made
// through it.
#include "sysex/AddressPage.h"
#include "sysex/MidiMessageSource.h"
#include "sysex/PackedAddress.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class AddressMap {
public:
    explicit AddressMap(std::uint32_t capacity);

    std::uint32_t capacity() const { return capacity_; }
    std::uint32_t pageCount() const { return std::uint32_t(pages_.size()); }

    // None when the map is full.
    AddressPage* addPage(PackedAddress start, std::uint32_t size);
    // The first page, in order of adding, that holds the address.
    AddressPage* findPage(PackedAddress address, bool dumpSpace) const;

    // Makes an entry at a parameter address and puts it into its page's
    // slot, copying the page's never-send flag. An entry that fits no page,
    // or that a used slot gives up, stays owned by the map (with a warning),
    // so no parameter is left with a dead entry.
    AddressEntry& createEntry(PackedAddress address);
    // The entry at a parameter address, or none.
    AddressEntry* findEntry(PackedAddress address) const;

    // What no parameter sends in a bulk-dump run, as (parameter address,
    // value): entries without parameters and bytes no entry holds, outside
    // the pages never sent.
    std::vector<std::pair<PackedAddress, std::uint32_t>> unsentValues(PackedAddress dumpAddress,
        std::uint32_t size) const;

    // Stores a value at a parameter address and tells its parameters;
    // nothing happens where there is no entry.
    void setValue(PackedAddress address, std::uint32_t value, std::uint32_t flags);

    void addMidiMessageSource(const MidiMessageSource& source);
    // A source going away leaves the list.
    void removeMidiMessageSource(const MidiMessageSource& source);
    // The message of the first source whose status, data 1 and data 2 each
    // equal the pattern's or are 0xFF on either side (the spare byte is not
    // compared); 0xFF in those three bytes when none matches.
    MidiMessagePattern findMidiMessage(const MidiMessagePattern& pattern) const;

private:
    std::uint32_t capacity_;
    std::vector<std::unique_ptr<AddressPage>> pages_;
    std::vector<std::unique_ptr<AddressEntry>> strayEntries_;
    std::vector<const MidiMessageSource*> midiMessageSources_;
};
