#pragma once
// The one builder of every effect page: lays out a page group and adds its
// items from the page's table, bound to the block's definitions or to
// parameters of the page's own, each control with its own default. The
// parameters are made with the block, the controls when the page is first
// needed: most of a block's pages are never shown.
#include "effects/EffectTables.h"

#include <span>
#include <vector>

class ControlGroup;
class SysexParameter;
class wxWindow;

namespace EffectPageBuilder {

// The header's type choice: one 16-pixel row, caption in the large kind.
void layOutHeader(ControlGroup& header);
// The page's parameters, one per item in the table's order: the block's
// definitions, and the page's own, made here through the page's factory.
std::vector<SysexParameter*> makeParameters(const ControlGroup& page, const EffectPage& table,
    std::span<SysexParameter* const> definitions);
// Fills the page with its controls, bound to parameters (makeParameters'),
// and leaves it hidden. The controls follow `after` in the tab order, one
// after another.
void build(ControlGroup& page, const EffectPage& table, std::span<SysexParameter* const> parameters,
    wxWindow* after);

} // namespace EffectPageBuilder
