#pragma once
// The variation block's tables, kept in files of their own.
#include "effects/EffectTables.h"

#include <span>

// Definitions 0 to 70.
std::span<const EffectDefinition> variationDefinitions();
// The pages of types 1 to 28.
std::span<const EffectPage> variationPages();
