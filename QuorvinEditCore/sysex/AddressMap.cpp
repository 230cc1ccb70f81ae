#include "sysex/AddressMap.h"

#include <wx/log.h>

#include <algorithm>

namespace {

constexpr std::uint8_t anyByte = 0xFF;
constexpr std::size_t statusByte = 0;
constexpr std::size_t firstDataByte = 2;
constexpr std::size_t secondDataByte = 3;
constexpr std::array comparedBytes{statusByte, firstDataByte, secondDataByte};

bool messageMatches(const MidiMessagePattern& message, const MidiMessagePattern& pattern)
{
    return std::ranges::all_of(comparedBytes, [&](std::size_t i) {
        return message[i] == pattern[i] || message[i] == anyByte || pattern[i] == anyByte;
    });
}

} // namespace

AddressMap::AddressMap(std::uint32_t capacity) : capacity_(capacity)
{
    pages_.reserve(capacity);
}

AddressPage* AddressMap::addPage(PackedAddress start, std::uint32_t size)
{
    if (pages_.size() >= capacity_)
        return nullptr;
    return pages_.emplace_back(std::make_unique<AddressPage>(start, size)).get();
}

AddressPage* AddressMap::findPage(PackedAddress address, bool dumpSpace) const
{
    const auto found = std::ranges::find_if(pages_, [&](const auto& page) { return page->contains(address, dumpSpace); });
    return found == pages_.end() ? nullptr : found->get();
}

AddressEntry& AddressMap::createEntry(PackedAddress address)
{
    AddressPage* page = findPage(address, false);
    auto entry = std::make_unique<AddressEntry>(address, page && page->neverSend());
    AddressEntry& made = *entry;
    if (!page)
        wxLogWarning("Internal error - The address page is not in the address map");
    else
        entry = page->registerEntry(std::move(entry));
    if (entry)
        strayEntries_.push_back(std::move(entry));
    return made;
}

AddressEntry* AddressMap::findEntry(PackedAddress address) const
{
    const AddressPage* page = findPage(address, false);
    return page ? page->entryAt(address) : nullptr;
}

std::vector<std::pair<PackedAddress, std::uint32_t>> AddressMap::unsentValues(PackedAddress dumpAddress,
    std::uint32_t size) const
{
    std::vector<std::pair<PackedAddress, std::uint32_t>> found;
    for (std::uint32_t done = 0; done < size;) {
        const PackedAddress at = addToPackedAddress(dumpAddress, done);
        const AddressPage* page = findPage(at, true);
        done += page ? page->collectUnsentValue(at, found) : 1;
    }
    return found;
}

void AddressMap::setValue(PackedAddress address, std::uint32_t value, std::uint32_t flags)
{
    if (AddressEntry* entry = findEntry(address))
        entry->setValue(value, flags);
}

void AddressMap::addMidiMessageSource(const MidiMessageSource& source)
{
    midiMessageSources_.push_back(&source);
}

void AddressMap::removeMidiMessageSource(const MidiMessageSource& source)
{
    std::erase(midiMessageSources_, &source);
}

MidiMessagePattern AddressMap::findMidiMessage(const MidiMessagePattern& pattern) const
{
    for (const MidiMessageSource* source : midiMessageSources_) {
        const MidiMessagePattern message = source->midiMessage();
        if (messageMatches(message, pattern))
            return message;
    }
    MidiMessagePattern none{};
    for (const std::size_t i : comparedBytes)
        none[i] = anyByte;
    return none;
}
