#include "sysex/AddressPage.h"

#include <wx/log.h>

#include <algorithm>
#include <array>

namespace {

constexpr unsigned bitsPerByte = 7;
constexpr std::uint8_t sevenBits = 0x7F;

} // namespace

AddressPage::AddressPage(PackedAddress start, std::uint32_t size)
    : start_(start), linearStart_(linearAddress(start)), slots_(size), looseBytes_(size, 0)
{
}

std::optional<std::size_t> AddressPage::slotIndex(PackedAddress address, bool dumpSpace) const
{
    if (!isValidPackedAddress(address))
        return std::nullopt;
    std::uint32_t linear = linearAddress(address);
    if (dumpSpace)
        linear -= dumpOffset_;
    // Wrapping at 28 bits puts addresses below the start far above the end.
    const std::uint32_t index = (linear - linearStart_) & linearAddressMask;
    if (index >= slots_.size())
        return std::nullopt;
    return index;
}

bool AddressPage::contains(PackedAddress address, bool dumpSpace) const
{
    return slotIndex(address, dumpSpace).has_value();
}

std::unique_ptr<AddressEntry> AddressPage::registerEntry(std::unique_ptr<AddressEntry> entry)
{
    const auto index = slotIndex(entry->address(), false);
    if (!index) {
        wxLogWarning("Internal error - The address is not in the address map");
        return entry;
    }
    if (slots_[*index])
        wxLogWarning("Internal error - This address entry slot is already used in the address map");
    slots_[*index].swap(entry);
    return entry;
}

AddressEntry* AddressPage::entryInSlot(PackedAddress address, bool dumpSpace) const
{
    const auto index = slotIndex(address, dumpSpace);
    return index ? slots_[*index].get() : nullptr;
}

AddressEntry* AddressPage::entryAt(PackedAddress address) const
{
    return entryInSlot(address, false);
}

AddressEntry* AddressPage::entryAtDumpAddress(PackedAddress dumpAddress) const
{
    return entryInSlot(dumpAddress, true);
}

std::size_t AddressPage::writeBytes(PackedAddress dumpAddress, std::span<const std::uint8_t> bytes, std::uint32_t flags)
{
    const auto index = slotIndex(dumpAddress, true);
    if (!index || bytes.empty())
        return 0;
    if (AddressEntry* entry = slots_[*index].get())
        return entry->writeBytes(bytes, flags);
    looseBytes_[*index] = bytes.front() & sevenBits;
    return 1;
}

std::size_t AddressPage::readBytes(PackedAddress dumpAddress, std::span<std::uint8_t> output) const
{
    const auto index = slotIndex(dumpAddress, true);
    if (!index || output.empty())
        return 0;
    if (const AddressEntry* entry = slots_[*index].get())
        return entry->readBytes(output);
    output.front() = looseBytes_[*index];
    return 1;
}

std::uint32_t AddressPage::collectUnsentValue(PackedAddress dumpAddress,
    std::vector<std::pair<PackedAddress, std::uint32_t>>& found) const
{
    const auto index = slotIndex(dumpAddress, true);
    if (!index)
        return 1;
    const AddressEntry* entry = slots_[*index].get();
    if (!neverSend_ && entry == nullptr)
        found.emplace_back(addToPackedAddress(start_, std::uint32_t(*index)), looseBytes_[*index]);
    else if (!neverSend_ && entry->listeners().empty() && entry->size() <= AddressEntry::maxValueBytes)
        found.emplace_back(entry->address(), entry->value());
    return entry ? std::max<std::uint32_t>(entry->size(), 1) : 1;
}

std::uint32_t AddressPage::readValue(PackedAddress address) const
{
    const AddressEntry* entry = entryAt(address);
    std::array<std::uint8_t, AddressEntry::maxValueBytes> bytes{};
    const std::size_t count = entry ? entry->readBytes(bytes) : 0;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = (value << bitsPerByte) | bytes[i];
    return value;
}
