#include "effects/EffectPageBuilder.h"

#include "controls/ControlFactories.h"
#include "effects/EffectParameters.h"
#include "gui/ControlStyle.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <wx/translation.h>

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

Control& addItemControl(ControlGroup& page, const EffectItem& item, Parameter* parameter)
{
    const RefString label = translated(item.label);
    switch (item.kind) {
    case EffectControlKind::valueButton:
        return addValueButton(page, label, parameter, 0, ControlStyle::normalText);
    case EffectControlKind::choice:
        return addChoice(page, label, parameter, 0, ControlStyle::normalText);
    case EffectControlKind::slider:
        break;
    }
    return addSlider(page, label, parameter, 0, ControlStyle::normalText);
}

SysexParameter* addItem(ControlGroup& page, const EffectItem& item, std::span<SysexParameter* const> definitions)
{
    SysexParameter* parameter = item.definition == pageParameter
        ? EffectParameters::makePageParameter(*page.factory(), page.baseAddress(), item.own)
        : definitions[static_cast<std::size_t>(item.definition)];
    Control& control = addItemControl(page, item, parameter);
    if (const auto raw = EffectParameters::resolveDefault(*parameter, item.defaultValue))
        control.setDefaultValue(*raw);
    return parameter;
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

std::vector<SysexParameter*> build(ControlGroup& page, const EffectPage& table,
    std::span<SysexParameter* const> definitions)
{
    layOut(page, pageLabelGap);
    std::vector<SysexParameter*> parameters;
    for (const EffectItem& item : table.items)
        parameters.push_back(addItem(page, item, definitions));
    finish(page);
    return parameters;
}

} // namespace EffectPageBuilder
