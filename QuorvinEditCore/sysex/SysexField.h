#pragma once
// The storage view of one SysEx-bound parameter: the bit field it keeps in
// one memory entry, or the 14-bit value it spreads over a low and a high
// entry. The entries hold the field (shared ownership) as their listener;
// the parameter detaches it when it goes, so no entry calls a dead parameter.
#include "sysex/AddressEntryListener.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class AddressEntry;
class SysexParameter;

class SysexField : public AddressEntryListener {
public:
    // Bits per data byte of an entry, and so per entry of a two-entry field.
    static constexpr std::uint32_t bitsPerEntryByte = 7;

    // Makes a field over one entry, or over a low and a high entry (in that
    // order), and adds it to the listeners of each.
    static std::shared_ptr<SysexField> attach(SysexParameter& parameter, AddressEntry& entry);
    static std::shared_ptr<SysexField> attach(SysexParameter& parameter, AddressEntry& low, AddressEntry& high);

    SysexField(SysexParameter& parameter, std::vector<AddressEntry*> entries);

    // The parameter is gone: leave every entry's listener list and tell
    // nobody any more.
    void detach();

    SysexParameter* parameter() const { return parameter_; }
    // In list order: the only entry, or the low entry then the high entry.
    std::span<AddressEntry* const> entries() const { return entries_; }
    // The entries a parameter change is sent for: none on a never-send page.
    std::span<AddressEntry* const> sendableEntries() const;

    // Makes the entries hold n bytes between them: each entry but the last
    // takes one, the last the rest. Entries never shrink.
    void spreadByteCount(std::uint32_t n);

    // One entry: the width bits at offset. Two entries: the high entry's
    // bits above 7 over the low entry's low 7 bits (the offset is not used).
    // Signed fields are sign-extended from their top bit.
    std::int32_t readBits(std::uint32_t offset, std::uint32_t width, bool isSigned) const;
    // Replaces only the field's bits; every other bit of the entries, and
    // every bit the entries do not hold, stays as it was.
    void writeBits(std::int32_t value, std::uint32_t offset, std::uint32_t width);

    // The bits have just been written with these flags: every other
    // parameter on the entries reads them again and tells its listeners,
    // without storing, recording, sending or loading.
    void tellNeighbours(std::uint32_t flags);

    void entryChanged(AddressEntry& entry, std::uint32_t flags) override;

private:
    bool spansTwoEntries() const { return entries_.size() > 1; }

    SysexParameter* parameter_;
    std::vector<AddressEntry*> entries_;
};
