#pragma once
// Which memory slot an edit buffer stands for, with the name and category
// the patch caches file it under.
#include "text/RefString.h"

#include <cstdint>

struct Fs1rPatchLocation {
    std::uint32_t bank = 0;
    std::uint32_t program = 0;
    RefString name;
    RefString category;

    bool sameSlot(const Fs1rPatchLocation& other) const { return bank == other.bank && program == other.program; }
};
