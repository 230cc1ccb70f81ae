#pragma once
// Which slots of a patch collection a memory grid shows: every bank or only
// the first, one after another, each with at most the entry limit of its
// programs. Maps a grid item to its record; owned by the view. It reads the
// collection's size at each call, so a collection opened later shows too.
#include <cstdint>

class ShownBanks {
public:
    void showFirstOnly() { firstOnly_ = true; }
    // Programs shown per bank; 0 for all.
    void setEntryLimit(std::uint32_t limit) { entryLimit_ = limit; }

    // A limit above the bank size shows the bank once, never records of the
    // bank after it.
    std::int32_t itemCount(std::uint32_t bankCount, std::uint32_t bankSize) const;
    // The record index of an item, or -1 when there is no such item.
    std::int32_t recordOf(std::int32_t item, std::uint32_t bankCount, std::uint32_t bankSize) const;

private:
    std::uint32_t slotsPerBank(std::uint32_t bankSize) const;
    std::uint32_t shownBankCount(std::uint32_t bankCount) const;

    bool firstOnly_ = false;
    std::uint32_t entryLimit_ = 0;
};
