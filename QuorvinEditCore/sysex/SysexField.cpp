#include "sysex/SysexField.h"

#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/SysexParameter.h"

#include <algorithm>

namespace {

constexpr std::uint32_t valueBits = 32;

std::uint64_t lowBits(std::uint32_t width)
{
    return width >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << width) - 1;
}

// The value bits an entry holds: 7 per byte while it keeps its bytes in its
// value, none once it has a byte buffer.
std::uint32_t heldBitCount(const AddressEntry& entry)
{
    if (entry.size() > AddressEntry::maxValueBytes)
        return 0;
    return entry.size() * SysexField::bitsPerEntryByte;
}

// The width bits at offset of the entry's value.
std::uint64_t bitsAt(const AddressEntry& entry, std::uint32_t offset, std::uint32_t width)
{
    if (offset >= valueBits)
        return 0;
    return (std::uint64_t(entry.value()) >> offset) & lowBits(width);
}

std::int64_t fieldValue(std::uint64_t bits, std::uint32_t width, bool isSigned)
{
    const bool negative = isSigned && width > 0 && width < 64 && ((bits >> (width - 1)) & 1) != 0;
    return negative ? std::int64_t(bits | ~lowBits(width)) : std::int64_t(bits);
}

// Replaces the width bits at offset with the low bits of value, within the
// bits the entry holds.
void storeBits(AddressEntry& entry, std::uint64_t value, std::uint32_t offset, std::uint32_t width)
{
    if (offset >= valueBits)
        return;
    const std::uint64_t field = (lowBits(width) << offset) & lowBits(heldBitCount(entry));
    const std::uint64_t stored = (std::uint64_t(entry.value()) & ~field) | ((value << offset) & field);
    entry.storeValue(std::uint32_t(stored));
}

} // namespace

std::shared_ptr<SysexField> SysexField::attach(SysexParameter& parameter, AddressEntry& entry)
{
    auto field = std::make_shared<SysexField>(parameter, std::vector<AddressEntry*>{&entry});
    entry.addListener(field);
    return field;
}

std::shared_ptr<SysexField> SysexField::attach(SysexParameter& parameter, AddressEntry& low, AddressEntry& high)
{
    auto field = std::make_shared<SysexField>(parameter, std::vector<AddressEntry*>{&low, &high});
    low.addListener(field);
    high.addListener(field);
    return field;
}

SysexField::SysexField(SysexParameter& parameter, std::vector<AddressEntry*> entries)
    : parameter_(&parameter), entries_(std::move(entries))
{
}

void SysexField::detach()
{
    parameter_ = nullptr;
    for (AddressEntry* entry : entries_)
        entry->removeListener(this);
    entries_.clear();
}

std::span<AddressEntry* const> SysexField::sendableEntries() const
{
    if (entries_.empty() || entries_.front()->neverSend())
        return {};
    return entries_;
}

void SysexField::spreadByteCount(std::uint32_t n)
{
    if (entries_.empty())
        return;
    for (std::size_t i = 0; i + 1 < entries_.size(); ++i) {
        entries_[i]->growTo(1);
        n = n > 0 ? n - 1 : 0;
    }
    entries_.back()->growTo(n);
}

std::int32_t SysexField::readBits(std::uint32_t offset, std::uint32_t width, bool isSigned) const
{
    if (entries_.empty())
        return 0;
    const AddressEntry& low = *entries_.front();
    if (!spansTwoEntries())
        return std::int32_t(fieldValue(bitsAt(low, offset, width), width, isSigned));
    // A field of one byte's width or less lies in the low entry alone.
    if (width <= bitsPerEntryByte)
        return std::int32_t(fieldValue(bitsAt(low, 0, width), width, isSigned));
    const std::uint32_t highWidth = width - bitsPerEntryByte;
    const std::int64_t high = fieldValue(bitsAt(*entries_.back(), 0, highWidth), highWidth, isSigned);
    return std::int32_t(high * (std::int64_t(1) << bitsPerEntryByte) | std::int64_t(bitsAt(low, 0, bitsPerEntryByte)));
}

void SysexField::writeBits(std::int32_t value, std::uint32_t offset, std::uint32_t width)
{
    if (entries_.empty())
        return;
    if (!spansTwoEntries()) {
        storeBits(*entries_.front(), std::uint32_t(value), offset, width);
        return;
    }
    // Seven bits to each entry from the low one up; the last entry takes the
    // rest, so a field wider than 14 bits reads back what was written.
    std::int64_t rest = value;
    std::uint32_t remaining = width;
    for (std::size_t i = 0; i < entries_.size() && remaining > 0; ++i) {
        const bool last = i + 1 == entries_.size();
        const std::uint32_t taken = last ? remaining : std::min(remaining, bitsPerEntryByte);
        storeBits(*entries_[i], std::uint64_t(rest), 0, taken);
        remaining -= taken;
        rest >>= bitsPerEntryByte;
    }
}

void SysexField::tellNeighbours(std::uint32_t flags)
{
    // Only the news: storing, sending, loading and saving were the writer's.
    constexpr std::uint32_t news = SetValueFlag::notify | SetValueFlag::showAction | SetValueFlag::userAction;
    const std::uint32_t heard = (flags & news) | SetValueFlag::doNotRecord;
    // A copy: a neighbour's listener may make this field leave.
    const std::vector<AddressEntry*> entries = entries_;
    for (AddressEntry* entry : entries)
        entry->notifyOthers(this, heard);
}

void SysexField::entryChanged(AddressEntry&, std::uint32_t flags)
{
    // The parameter reads its bits back out of the entry and runs its whole
    // set-value pipeline with the entry's flags.
    if (parameter_ != nullptr)
        parameter_->setValue(flags, parameter_->getValue());
}
