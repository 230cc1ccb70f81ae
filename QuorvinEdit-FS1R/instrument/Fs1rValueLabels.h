#pragma once
// The FS1R's shared value-label tables (bank letters, categories, note names,
// effect types and values...), built on first use and kept until exit.
#include "labels/ValueLabels.h"

#include <cstdint>

// The table of the given number, 0 to 26; any other number gives one shared
// empty list. The same list comes back on every call; the caller never owns it.
// Translated labels take the language in force at the table's first use.
const ValueLabels* getValueLabels(std::int32_t id);
