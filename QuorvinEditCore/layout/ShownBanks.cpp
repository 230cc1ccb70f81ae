#include "layout/ShownBanks.h"

#include <algorithm>
#include <limits>

std::uint32_t ShownBanks::slotsPerBank(std::uint32_t bankSize) const
{
    return entryLimit_ == 0 ? bankSize : std::min(entryLimit_, bankSize);
}

std::uint32_t ShownBanks::shownBankCount(std::uint32_t bankCount) const
{
    return firstOnly_ ? std::min(bankCount, 1u) : bankCount;
}

std::int32_t ShownBanks::itemCount(std::uint32_t bankCount, std::uint32_t bankSize) const
{
    const std::uint64_t count = std::uint64_t(shownBankCount(bankCount)) * slotsPerBank(bankSize);
    return static_cast<std::int32_t>(std::min<std::uint64_t>(count, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t ShownBanks::recordOf(std::int32_t item, std::uint32_t bankCount, std::uint32_t bankSize) const
{
    const std::uint32_t slots = slotsPerBank(bankSize);
    if (item < 0 || item >= itemCount(bankCount, bankSize))
        return -1;
    // Shown banks are the first ones, so the item's bank is its own number.
    const std::uint32_t bank = std::uint32_t(item) / slots;
    return static_cast<std::int32_t>(std::uint64_t(bank) * bankSize + std::uint32_t(item) % slots);
}
