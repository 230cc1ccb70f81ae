#include "gui/MidiControlSetPanel.h"

#include "conditions/ValueRangeCondition.h"
#include "gui/HorizontalControlGroup.h"
#include "gui/NameEditWidget.h"
#include "gui/ParameterButtonWidget.h"
#include "gui/ParameterChoiceWidget.h"
#include "midi/ControlSetMidiInParameter.h"
#include "midi/ControlSetMidiOutParameter.h"
#include "midi/MidiControlSet.h"
#include "text/WxText.h"

#include <wx/translation.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr int rowDepth = 15;
// The name field's frame, one pixel above and below its text.
constexpr int fieldFrame = 2;
constexpr int labelBand = 15;
constexpr int sectionBand = 0;
constexpr int labelGap = 3;
constexpr int firstRowLength = 150;
constexpr int secondRowLength = 60;
constexpr int spacing = 5;
constexpr int hintLength = 330;
constexpr int switchOn = 1;
// Left to us: a little room between the page's edge and its group.
constexpr int margin = 5;

RefString caption(const wxString& text) { return fromWxString(text); }

// "MIDI ctrl setup 0" for the first panel the program makes, then 1, 2, ...
RefString nextGroupName()
{
    static int made = 0;
    return RefString::fromUtf8("MIDI ctrl setup " + std::to_string(made++));
}

} // namespace

MidiControlSetPanel::MidiControlSetPanel(wxWindow* parent, MidiControlSet& set, const ControlStyle& style)
    : EditorPanel(parent, RefString())
{
    // The style's labels are pale for a dark ground: the theme's grey behind
    // them would leave them too faint to read.
    SetBackgroundColour(style.backgroundBrush.GetColour());
    ControlGroup& group =
        setGroup(0, std::make_unique<HorizontalControlGroup>(nextGroupName(), this, nullptr, style));
    build(group, set);
    group.setPosition(margin, margin, backgroundBitmap());
    const LayoutSize extent = group.paintExtent();
    SetMinClientSize(wxSize(extent.width + 2 * margin, extent.height + 2 * margin));
    SetClientSize(GetMinClientSize());
    showValues();
}

void MidiControlSetPanel::build(ControlGroup& group, MidiControlSet& set)
{
    auto name = std::make_unique<NameEditWidget>(this, set.name());
    // A row as deep as the name field's line of text with its frame, when
    // the font needs more than the usual depth: descenders are not cut.
    group.setGeometry(std::max(rowDepth, name->window()->GetCharHeight() + fieldFrame), labelBand, sectionBand,
        labelGap);
    FlowSpacing& flow = group.spacing();
    flow.defaultLength = firstRowLength;
    flow.controlSpacing = spacing;
    flow.rowSpacing = spacing;
    flow.sectionSpacing = 0;
    const auto add = [&group](std::unique_ptr<ParameterWidget> widget, const wxString& text,
                         int length) -> ControlElement& {
        return group.addLabelledControl(std::move(widget), caption(text), length, ControlStyle::normalText);
    };
    add(std::move(name), _("Name"), 0);
    add(std::make_unique<ParameterChoiceWidget>(this, set.inputParameter()), _("MIDI IN"), 0);
    add(std::make_unique<ParameterChoiceWidget>(this, set.outputParameter()), _("MIDI OUT"), 0);
    flow.defaultLength = secondRowLength;
    group.nextRow(ControlFlow::noExtra);

    add(std::make_unique<ParameterButtonWidget>(this, set.learnSwitch()), _("Learn"), secondRowLength);
    group.addTextItem(caption(_("Move the chosen MIDI controller widget while the mouse is over the widget")),
        hintLength, ControlStyle::normalText, false);
    LocalParameter& confirm = set.confirmSwitch();
    confirm.setDefaultValue(switchOn);
    confirm.setValue(flagsConstruct, switchOn);
    ControlElement& confirmEntry =
        add(std::make_unique<ParameterButtonWidget>(this, confirm), _("Confirm"), secondRowLength);
    confirmEntry.control()->enabledConditions().addRequired(
        std::make_shared<ValueRangeCondition>(&set.learnSwitch(), switchOn, switchOn));
    group.nextRow(ControlFlow::noExtra);
}

void MidiControlSetPanel::showValues()
{
    for (const auto& entry : group(0)->controls())
        if (auto* widget = dynamic_cast<ParameterWidget*>(entry->control()))
            widget->onParameterChanged(nullptr, 0);
}
