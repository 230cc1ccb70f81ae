#pragma once
// What a memory entry tells the parameters whose bits it holds. The entry
// keeps its listeners alive (shared ownership); a SysEx-bound parameter's
// storage view implements this.
#include <cstdint>

class AddressEntry;

class AddressEntryListener {
public:
    virtual ~AddressEntryListener() = default;
    // The entry's data changed: read the value back out of the entry and set
    // it with these flags.
    virtual void entryChanged(AddressEntry& entry, std::uint32_t flags) = 0;
};
