#pragma once
// The variation and reverb blocks as the instrument's parameter lists give
// them, typed apart from the program's tables so that a fault in a table
// shows: the address and raw range of every definition, and for each type
// its items top to bottom.
#include "EffectPageCheck.h"

#include <span>
#include <vector>

struct ExpectedEffectPage {
    std::int32_t type;
    std::vector<ExpectedItem> items;
};

// Types 1 to 28, in order; definitions 0 to 70.
const std::vector<ExpectedEffectPage>& expectedVariationPages();
std::span<const ExpectedDefinition> expectedVariationDefinitions();
// Types 1 to 16, in order; definitions 0 to 36.
const std::vector<ExpectedEffectPage>& expectedReverbPages();
std::span<const ExpectedDefinition> expectedReverbDefinitions();
