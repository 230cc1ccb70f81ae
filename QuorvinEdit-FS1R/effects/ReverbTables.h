#pragma once
// The reverb block's tables, kept in files of their own.
#include "effects/EffectTables.h"

#include <span>

// Definitions 0 to 36.
std::span<const EffectDefinition> reverbDefinitions();
// The pages of types 1 to 16.
std::span<const EffectPage> reverbPages();
