#pragma once
// The insertion block's tables, kept in files of their own.
#include "effects/EffectTables.h"

#include <span>

// Definitions 0 to 102 (87 not used).
std::span<const EffectDefinition> insertionDefinitions();
// The pages of types 1 to 40.
std::span<const EffectPage> insertionPages();
// Names control destinations 1 to 14 after the shown page's destination
// items; all "---" without a page.
void nameInsertionDestinations(const ControlGroup* page, const EffectPage* table);
