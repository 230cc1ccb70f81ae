#include "sysex/AddressEntry.h"

#include "params/SetValueFlags.h"
#include "sysex/MidiBytes.h"

#include <wx/log.h>

#include <algorithm>

namespace {

using MidiByte::sevenBits;
constexpr unsigned bitsPerByte = 7;

} // namespace

AddressEntry::AddressEntry(PackedAddress address, bool neverSend) : address_(address), neverSend_(neverSend)
{
}

void AddressEntry::growTo(std::uint32_t size)
{
    if (size <= size_)
        return;
    size_ = size;
    if (size_ > maxValueBytes)
        bytes_.assign(size_, 0);
}

void AddressEntry::addListener(std::shared_ptr<AddressEntryListener> listener)
{
    if (listener)
        listeners_.push_back(std::move(listener));
}

void AddressEntry::removeListener(const AddressEntryListener* listener)
{
    // While the entry notifies, the slots are emptied and dropped afterwards,
    // so the listeners after them are still told.
    for (std::shared_ptr<AddressEntryListener>& held : listeners_) {
        if (held.get() == listener)
            held.reset();
    }
    if (notifyDepth_ == 0)
        std::erase(listeners_, nullptr);
}

void AddressEntry::setValue(std::uint32_t value, std::uint32_t flags)
{
    value_ = value;
    notify(flags & ~SetValueFlag::storeBoundData);
}

std::size_t AddressEntry::writeBytes(std::span<const std::uint8_t> bytes, std::uint32_t flags)
{
    if (size_ == 0 || bytes.size() < size_)
        return 0;
    const auto taken = bytes.first(size_);
    if (bytes_.empty()) {
        value_ = 0;
        for (const std::uint8_t byte : taken)
            value_ = (value_ << bitsPerByte) | (byte & sevenBits);
    } else {
        std::transform(taken.begin(), taken.end(), bytes_.begin(), [](std::uint8_t byte) { return byte & sevenBits; });
    }
    // The bytes are in the entry already: the parameters must not store them again.
    notify(flags & ~SetValueFlag::storeBoundData);
    return size_;
}

std::size_t AddressEntry::readBytes(std::span<std::uint8_t> output) const
{
    if (size_ > output.size())
        return 0;
    if (!bytes_.empty()) {
        wxLogVerbose("Read %d bytes (%d requested) @0x%X", int(size_), int(output.size()), unsigned(address_));
        std::copy(bytes_.begin(), bytes_.end(), output.begin());
        return size_;
    }
    for (std::uint32_t i = 0; i < size_; ++i)
        output[i] = (value_ >> (bitsPerByte * (size_ - 1 - i))) & sevenBits;
    return size_;
}

void AddressEntry::notifyOthers(const AddressEntryListener* teller, std::uint32_t flags) { notify(flags, teller); }

void AddressEntry::notify(std::uint32_t flags, const AddressEntryListener* skipped)
{
    // By index and up to the count at the start: a listener may add listeners,
    // or make others leave (the copy keeps a leaving one alive until its call
    // returns).
    ++notifyDepth_;
    const std::size_t count = listeners_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::shared_ptr<AddressEntryListener> listener = listeners_[i];
        if (listener && listener.get() != skipped)
            listener->entryChanged(*this, flags);
    }
    if (--notifyDepth_ == 0)
        std::erase(listeners_, nullptr);
}
