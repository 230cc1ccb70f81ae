#pragma once
// The performance page's three effect blocks as data, in the order the page
// makes them: insertion, variation, reverb.
#include "effects/EffectTables.h"

#include <array>

const EffectBlockDescription& insertionEffect();
const EffectBlockDescription& variationEffect();
const EffectBlockDescription& reverbEffect();

inline std::array<const EffectBlockDescription*, 3> performanceEffects()
{
    return {&insertionEffect(), &variationEffect(), &reverbEffect()};
}
