#pragma once
// One address of the instrument's memory with the 7-bit data bytes stored
// there and the parameters that keep their bits in it. Owned by its page (or
// by the map when it could not be placed in one).
#include "sysex/AddressEntryListener.h"
#include "sysex/PackedAddress.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class AddressEntry {
public:
    // Entries up to this size keep their bytes combined in value(); larger
    // ones keep a byte buffer.
    static constexpr std::uint32_t maxValueBytes = 4;

    AddressEntry(PackedAddress address, bool neverSend);

    PackedAddress address() const { return address_; }
    std::uint32_t size() const { return size_; }
    bool neverSend() const { return neverSend_; }

    // Grows the entry to hold at least size bytes; it never shrinks. Growing
    // past maxValueBytes gives it a new zero-filled buffer.
    void growTo(std::uint32_t size);

    // The bytes combined 7 bits each, most significant first (meaningless
    // once the entry has a buffer).
    std::uint32_t value() const { return value_; }
    // Changes the stored value without telling anyone: parameters writing
    // their own bits use it.
    void storeValue(std::uint32_t value) { value_ = value; }

    void addListener(std::shared_ptr<AddressEntryListener> listener);
    // Takes every entry of the listener out of the list; safe while notifying.
    void removeListener(const AddressEntryListener* listener);
    const std::vector<std::shared_ptr<AddressEntryListener>>& listeners() const { return listeners_; }

    // Stores the value (a buffer is left as it is) and tells the listeners,
    // without asking them to store again.
    void setValue(std::uint32_t value, std::uint32_t flags);
    // Takes size() bytes from the front of bytes and tells the listeners,
    // without asking them to store again. Returns the bytes taken: 0, and
    // nothing written, when fewer than size() bytes are given.
    std::size_t writeBytes(std::span<const std::uint8_t> bytes, std::uint32_t flags);
    // Writes the entry's size() bytes to the front of output; 0 and nothing
    // written when they do not fit.
    std::size_t readBytes(std::span<std::uint8_t> output) const;

    // Tells every listener but the teller, which has just stored its bits here.
    void notifyOthers(const AddressEntryListener* teller, std::uint32_t flags);

private:
    void notify(std::uint32_t flags, const AddressEntryListener* skipped = nullptr);

    PackedAddress address_;
    std::uint32_t size_ = 0;
    std::uint32_t value_ = 0;
    std::vector<std::uint8_t> bytes_;
    std::vector<std::shared_ptr<AddressEntryListener>> listeners_;
    std::uint32_t notifyDepth_ = 0;
    bool neverSend_;
};
