// The page's mixing desk: a strip per part, the return strips of the
// insertion, variation and reverb effects, and the master strip.
#include "panels/PerformancePanel.h"

#include "conditions/ValueRangeCondition.h"
#include "controls/ChoiceControl.h"
#include "controls/HorizontalSlider.h"
#include "controls/PanSlider.h"
#include "controls/ValueButton.h"
#include "controls/VerticalBitmapSlider.h"
#include "gui/ControlStyle.h"
#include "panels/ControlAdding.h"
#include "panels/GroupCursor.h"
#include "panels/TranslatedLabels.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <wx/dcmemory.h>
#include <wx/translation.h>

#include <memory>
#include <vector>

namespace {

constexpr std::int32_t fullLevel = 127;
constexpr std::int32_t panMinimum = 1;
constexpr int faderLength = 134;
constexpr int knobWidth = 28;
constexpr int knobHeight = 38;
constexpr int partCount = 4;
constexpr PackedAddress partStep = 0x010000;
constexpr PackedAddress insertionSwitch = 0x300014;

enum class Step {
    // A level slider.
    level,
    // A part's send, enabled only while the part's insertion switch is off.
    send,
    insertionButton,
    pan,
    fader,
    outputChoice,
    // A caption in the flow; without a label, the part's number.
    caption,
    // Moves on by the number instead of the spacing.
    gap,
    // Moves on by the spacing plus the number.
    advance,
    skip,
};

struct MixerStep {
    Step step;
    const char* label = "";
    PackedAddress address = 0;
    // A new performance stands at full level.
    bool fullByDefault = false;
    int amount = 0;
};

const std::vector<MixerStep> partStrip{
    {Step::send, wxTRANSLATE("1-2"), 0x300011, true},
    {Step::send, wxTRANSLATE("Rev"), 0x300013},
    {Step::send, wxTRANSLATE("Var"), 0x300012},
    {Step::insertionButton, wxTRANSLATE("Ins")},
    {Step::pan, wxTRANSLATE("Pan"), 0x30000E},
    {Step::advance, "", 0, false, -6},
    {Step::fader, wxTRANSLATE("Vol"), 0x30000B, true},
    {Step::gap, "", 0, false, 8},
    {Step::caption},
};

const std::vector<MixerStep> insertionStrip{
    {Step::level, wxTRANSLATE("INS vol"), 0x100133, true},
    {Step::level, wxTRANSLATE("INS>rev"), 0x100131},
    {Step::level, wxTRANSLATE("INS>var"), 0x100132},
    {Step::skip, "", 0, false, 1},
    {Step::pan, wxTRANSLATE("INS pan"), 0x100130},
    {Step::gap, "", 0, false, 14},
    {Step::caption, wxTRANSLATE("3-4")},
    {Step::gap, "", 0, false, -4},
    {Step::outputChoice, wxTRANSLATE("out 3-4"), 0x100014},
    {Step::advance, "", 0, false, 94},
    {Step::caption, wxTRANSLATE("INS")},
};

const std::vector<MixerStep> variationStrip{
    {Step::level, wxTRANSLATE("VAR vol"), 0x10012D, true},
    {Step::level, wxTRANSLATE("VAR>rev"), 0x10012E},
    {Step::skip, "", 0, false, 2},
    {Step::pan, wxTRANSLATE("VAR pan"), 0x10012C},
    {Step::advance, "", 0, false, 136},
    {Step::caption, wxTRANSLATE("VAR")},
};

const std::vector<MixerStep> reverbStrip{
    {Step::level, wxTRANSLATE("REV vol"), 0x10012A, true},
    {Step::skip, "", 0, false, 3},
    {Step::pan, wxTRANSLATE("REV pan"), 0x100129},
    {Step::advance, "", 0, false, 136},
    {Step::caption, wxTRANSLATE("REV")},
};

const std::vector<MixerStep> masterStrip{
    {Step::skip, "", 0, false, 4},
    {Step::pan, wxTRANSLATE("Master pan"), 0x100011},
    {Step::advance, "", 0, false, -6},
    {Step::fader, wxTRANSLATE("Master vol"), 0x100010, true},
    {Step::gap, "", 0, false, 8},
    {Step::caption, wxTRANSLATE("1-2")},
};

std::unique_ptr<wxBitmap> drawFaderKnob()
{
    auto knob = std::make_unique<wxBitmap>(knobWidth, knobHeight);
    wxMemoryDC dc(*knob);
    dc.SetBackground(wxBrush(wxColour(40, 40, 40)));
    dc.Clear();
    dc.SetPen(wxPen(wxColour(20, 20, 20)));
    dc.SetBrush(wxBrush(wxColour(170, 170, 165)));
    dc.DrawRoundedRectangle(1, 1, knobWidth - 2, knobHeight - 2, 4);
    dc.SetPen(wxPen(wxColour(240, 240, 240), 2));
    dc.DrawLine(3, knobHeight / 2, knobWidth - 3, knobHeight / 2);
    dc.SelectObject(wxNullBitmap);
    return knob;
}

void setFullByDefault(Control& control, const MixerStep& entry)
{
    if (entry.fullByDefault)
        control.setDefaultValue(fullLevel);
}

// A strip's builder: the group, and for a part strip its insertion switch.
struct StripContext {
    explicit StripContext(ControlGroup& target) : group(target) {}

    ControlGroup& group;
    Parameter* insertion = nullptr;
    std::shared_ptr<ValueRangeCondition> insertionOff;
    int partNumber = 0;
};

void addStep(StripContext& strip, const MixerStep& entry)
{
    static const TranslatedLabels insertionLabels({"", wxTRANSLATE("INS")}, {""});
    static const TranslatedLabels outputLabels{wxTRANSLATE("OFF"), wxTRANSLATE("pre"), wxTRANSLATE("pst")};
    ControlGroup& group = strip.group;
    const RefString label = PerformancePanel::text(entry.label);
    switch (entry.step) {
    case Step::level:
        setFullByDefault(addSliderAt(group, label, entry.address, 0, fullLevel, 0, 0, 0), entry);
        break;
    case Step::send: {
        HorizontalSlider& slider = addSliderAt(group, label, entry.address, 0, fullLevel, 0, 0, 0);
        setFullByDefault(slider, entry);
        slider.enabledConditions().addRequired(strip.insertionOff);
        break;
    }
    case Step::insertionButton:
        addValueButton(group, label, strip.insertion, 0, 0).setValueLabels(insertionLabels.list());
        break;
    case Step::pan:
        addPanSliderAt(group, label, entry.address, panMinimum, fullLevel, 0, 0, 0);
        break;
    case Step::fader: {
        VerticalBitmapSlider& fader =
            addVerticalBitmapSliderAt(group, label, entry.address, 0, fullLevel, 0, faderLength, 0);
        fader.setHandleBitmap(drawFaderKnob());
        setFullByDefault(fader, entry);
        break;
    }
    case Step::outputChoice:
        addChoiceAt(group, label, entry.address, 0, 2, 0, 0, 0).setValueLabels(outputLabels.list());
        break;
    case Step::caption: {
        const RefString text = *entry.label != '\0' ? label : fromWxString(wxString() << strip.partNumber);
        group.addTextItem(text, 0, ControlStyle::normalText, false);
        break;
    }
    case Step::gap:
        GroupCursor::gap(group, entry.amount);
        break;
    case Step::advance:
        GroupCursor::advance(group, entry.amount);
        break;
    case Step::skip:
        GroupCursor::skipSlots(group, entry.amount);
        break;
    }
}

void addStrip(StripContext strip, const std::vector<MixerStep>& steps)
{
    for (const MixerStep& entry : steps)
        addStep(strip, entry);
}

void addPartStrip(ControlGroup& group, int part)
{
    group.setBaseAddress(static_cast<PackedAddress>(part) * partStep);
    GroupCursor::startLine(group);
    group.setLineIndex(part);
    StripContext strip(group);
    strip.partNumber = part + 1;
    strip.insertion = group.factory()->addSysexParameter(
        sumPackedAddresses(group.baseAddress(), insertionSwitch), 0, 1, 0);
    strip.insertionOff = std::make_shared<ValueRangeCondition>(strip.insertion, 0, 0);
    addStrip(strip, partStrip);
}

} // namespace

void PerformancePanel::buildMixerGroup()
{
    ControlGroup& group = *this->group(mixerGroup);
    group.setGeometry(60, 0, 0, 0);
    group.addTextItem(PerformancePanel::text(wxTRANSLATE("Mixer")), 20, ControlStyle::largeText, false);
    group.nextRow(ControlFlow::noExtra);
    group.spacing().defaultLength = 16;
    group.setGeometry(32, 26, 0, 3);
    for (int part = 0; part < partCount; ++part)
        addPartStrip(group, part);

    group.setBaseAddress(0);
    group.setGeometry(32, 0, 0, 3);
    for (const std::vector<MixerStep>* steps : {&insertionStrip, &variationStrip, &reverbStrip, &masterStrip}) {
        GroupCursor::startLine(group);
        addStrip(StripContext(group), *steps);
    }
    GroupCursor::closeExtent(group);
}
