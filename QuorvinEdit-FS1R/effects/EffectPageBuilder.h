#pragma once
// The one builder of every effect page: lays out a page group and adds its
// items from the page's table, bound to the block's definitions or to
// parameters of the page's own, each control with its own default.
#include "effects/EffectTables.h"

#include <span>
#include <vector>

class ControlGroup;
class SysexParameter;

namespace EffectPageBuilder {

// The header's type choice: one 16-pixel row, caption in the large kind.
void layOutHeader(ControlGroup& header);
// Fills the page and leaves it hidden; gives the page's parameters, one per
// item in the table's order.
std::vector<SysexParameter*> build(ControlGroup& page, const EffectPage& table,
    std::span<SysexParameter* const> definitions);

} // namespace EffectPageBuilder
