#pragma once
// The insertion block as the instrument's parameter lists give it, typed
// apart from the program's tables so that a fault in a table shows: the type
// names, the raw range of every definition, and for each type its items top
// to bottom and the items that name control destinations.
#include "EffectPageCheck.h"

#include <cstdint>
#include <span>
#include <vector>

struct ExpectedInsertionPage {
    std::int32_t type;
    std::vector<ExpectedItem> items;
    // 1-based item numbers, in page order.
    std::vector<int> destinationItems;
};

// Types 1 to 40, in order.
const std::vector<ExpectedInsertionPage>& expectedInsertionPages();
// Definitions 0 to 102; the unused 87 is {0, 0}.
std::span<const ExpectedRange> expectedDefinitionRanges();
// The type choice's texts, "No effect" and types 1 to 40.
std::span<const char* const> expectedInsertionTypeNames();
