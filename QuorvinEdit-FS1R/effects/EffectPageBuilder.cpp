#include "effects/EffectPageBuilder.h"

#include "controls/ControlFactories.h"
#include "effects/EffectParameters.h"
#include "gui/ControlStyle.h"
#include "params/SetValueFlags.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <wx/translation.h>
#include <wx/window.h>

#include <algorithm>

namespace {

constexpr int controlWidth = 80;
constexpr int labelWidth = 60;
constexpr int headerLabelGap = 6;
constexpr int pageLabelGap = 3;
constexpr int rowHeight = 16;

void layOut(ControlGroup& group, int labelGap)
{
    group.setGeometry(controlWidth, labelWidth, 0, labelGap);
    FlowSpacing& spacing = group.spacing();
    spacing.defaultLength = rowHeight;
    spacing.controlSpacing = 0;
    spacing.rowSpacing = 0;
    spacing.sectionSpacing = 0;
}

RefString translated(const char* text) { return fromWxString(wxGetTranslation(wxString::FromUTF8(text))); }

// Made unbound: its parameter is bound once it keeps what it holds.
Control& addItemControl(ControlGroup& page, const EffectItem& item)
{
    const RefString label = translated(item.label);
    switch (item.kind) {
    case EffectControlKind::valueButton:
        return addValueButton(page, label, nullptr, 0, ControlStyle::normalText);
    case EffectControlKind::choice:
        return addChoice(page, label, nullptr, 0, ControlStyle::normalText);
    case EffectControlKind::slider:
        break;
    }
    return addSlider(page, label, nullptr, 0, ControlStyle::normalText);
}

// The parameter takes what binding its control would give it, in the order
// the controls would come: its key (a definition shared by several pages
// ends with the last one's, as do its display and value), a choice's
// display, and the item's default as its value.
SysexParameter* itemParameter(const ControlGroup& page, const EffectItem& item, std::size_t position,
    std::span<SysexParameter* const> definitions)
{
    SysexParameter* parameter = item.definition == pageParameter
        ? EffectParameters::makePageParameter(*page.factory(), page.baseAddress(), item.own)
        : definitions[static_cast<std::size_t>(item.definition)];
    ParameterPath path;
    page.fillPath(path, page.name(), translated(item.label), position + 1);
    parameter->setKeyAndRegister(path);
    if (item.kind == EffectControlKind::choice)
        ChoiceControl::mapToIndexes(*parameter, true);
    if (const auto raw = EffectParameters::resolveDefault(*parameter, item.defaultValue))
        parameter->setValue(flagsConstruct, *raw);
    return parameter;
}

wxWindow* addItem(ControlGroup& page, const EffectItem& item, SysexParameter& parameter, wxWindow* after)
{
    // The parameter holds its key and data by now (a shared definition,
    // what the instrument sent): only the control's own default is set.
    Control& control = addItemControl(page, item).keepParametersOnBind().bindParameter(&parameter);
    if (const auto raw = EffectParameters::resolveDefault(parameter, item.defaultValue))
        control.keepDefaultValue(*raw);
    if (after)
        control.window()->MoveAfterInTabOrder(after);
    return control.window();
}

void finish(ControlGroup& page)
{
    FlowCursor& cursor = page.cursor();
    cursor.alongExtent = std::max(cursor.alongExtent, cursor.along);
    page.setShown(false);
}

} // namespace

namespace EffectPageBuilder {

void layOutHeader(ControlGroup& header) { layOut(header, headerLabelGap); }

std::vector<SysexParameter*> makeParameters(const ControlGroup& page, const EffectPage& table,
    std::span<SysexParameter* const> definitions)
{
    std::vector<SysexParameter*> parameters;
    for (std::size_t k = 0; k < table.items.size(); ++k)
        parameters.push_back(itemParameter(page, table.items[k], k, definitions));
    return parameters;
}

void build(ControlGroup& page, const EffectPage& table, std::span<SysexParameter* const> parameters,
    wxWindow* after)
{
    layOut(page, pageLabelGap);
    // Shown while it fills, so that hiding it at the end hides its controls.
    page.setShown(true);
    for (std::size_t k = 0; k < table.items.size(); ++k)
        after = addItem(page, table.items[k], *parameters[k], after);
    finish(page);
}

} // namespace EffectPageBuilder
