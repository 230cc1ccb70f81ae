#pragma once
// One memory slot of a patch collection: what the cache knows of the patch
// stored there. The collection owns its records.
#include "text/RefString.h"

#include <cstdint>

struct PatchRecord {
    std::uint32_t bank = 0;
    std::uint32_t program = 0;
    RefString name;
    RefString category;
    // Bank, program, category and name as views show them; null until the
    // record is filled.
    RefString label;
    // The patch's cache file relative to the collection's folder; empty when
    // the cache holds no data for the slot.
    RefString file;
};
