#pragma once
// Making an effect block's parameters from its tables and resolving the
// pages' defaults. No window: the page builder binds controls to what these
// make, and tests check the tables through the same functions.
#include "effects/EffectTables.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class LabelList;
class Parameter;
class ParameterFactory;
class SysexParameter;

namespace EffectParameters {

// One parameter per definition row, in number order, owned by the factory;
// null for a number not used.
std::vector<SysexParameter*> makeDefinitions(ParameterFactory& factory, std::span<const EffectDefinition> rows);

// A page's own parameter at base + its address (7-bit carries), owned by the
// factory, with its mapping and labels set.
SysexParameter* makePageParameter(ParameterFactory& factory, PackedAddress base, const EffectPageParameter& row);

// A label table by id, or a page's own two-entry list (translated once and
// kept to the end of the program); null for none.
const LabelList* labelTable(std::int32_t id);
const LabelList* ownLabels(const EffectOwnLabels& texts);

// The raw value a default stands for on the parameter, clamped into its
// range; none for withoutDefault. A label that matches nothing gives the
// minimum rather than an out-of-range 0.
std::optional<std::int32_t> resolveDefault(const Parameter& parameter, const EffectDefault& value);

} // namespace EffectParameters
