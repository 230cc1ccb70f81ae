#pragma once
// The values each effect type's page gives its parameters, by the block's
// type address and the type, worked out from the tables with no window. The
// simulated instrument takes them as its model of the defaults the
// instrument sets itself when an effect type changes.
#include "sysex/PackedAddress.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

// (address, raw value) pairs in page order, by (type address, type).
using EffectTypeDefaultTable
    = std::map<std::pair<PackedAddress, std::uint32_t>, std::vector<std::pair<PackedAddress, std::uint32_t>>>;

// Uses the label tables, so call it once the program's texts are in place.
EffectTypeDefaultTable effectTypeDefaults();
