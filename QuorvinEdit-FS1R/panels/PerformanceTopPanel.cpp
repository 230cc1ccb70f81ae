#include "panels/PerformanceTopPanel.h"

#include "commands/LoadPatchCommandParameter.h"
#include "commands/SaveToDeviceCommandParameter.h"
#include "commands/SaveToFileCommandParameter.h"
#include "commands/ShowPanelParameter.h"
#include "conditions/ValueRangeCondition.h"
#include "embedded/performancePagePng.h"
#include "gui/HorizontalControlGroup.h"
#include "gui/VerticalControlGroup.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rPanels.h"
#include "instrument/Fs1rPerformanceSelection.h"
#include "instrument/Fs1rValueLabels.h"
#include "instrument/MemoryListModel.h"
#include "labels/ValueLabels.h"
#include "layout/PanelInit.h"
#include "panels/ControlAdding.h"
#include "panels/ControlStyleSet.h"
#include "panels/LibraryGridLabels.h"
#include "panels/PageBitmaps.h"
#include "panels/SaveButtonIcons.h"
#include "panels/VoiceSelectorFilter.h"
#include "params/SetValueFlags.h"
#include "patches/PatchLibrary.h"
#include "sysex/MidiMessageParameter.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <wx/intl.h>

#include <algorithm>

namespace {

enum GroupSlot : std::size_t { headerRowSlot, noteShiftSlot, partsSlot, groupSlots };

// Styles of the three groups.
constexpr int headerStyle = 0;
constexpr int partsStyle = 1;

// Performance common and part n + 1 (at n x partStride past part 1).
constexpr PackedAddress nameOffset = 0x100000;
constexpr std::uint32_t nameLength = 12;
constexpr PackedAddress categoryOffset = 0x10000E;
constexpr PackedAddress noteShiftOffset = 0x100012;
constexpr PackedAddress partStride = 0x010000;
constexpr PackedAddress partBankOffset = 0x300001;
constexpr PackedAddress partProgramOffset = 0x300002;
constexpr PackedAddress monoPolyOffset = 0x300005;
constexpr PackedAddress monoPriorityOffset = 0x300006;
constexpr PackedAddress partFilterOffset = 0x300007;

constexpr std::int32_t lastCharacter = 127;
constexpr std::int32_t firstCharacter = 32;
constexpr std::int32_t lastCategory = 22;
constexpr std::int32_t noteShiftCentre = 24;
constexpr std::int32_t lastVoiceBank = 12;
constexpr std::int32_t lastProgram = 127;
constexpr std::int32_t lastMonoPriority = 3;
constexpr std::int32_t poly = 1;
constexpr int categoryLabelTable = 1;
// The parts grid: columns of this width, captions in a band left of the first.
constexpr int partColumnWidth = 130;
constexpr int partLabelBand = 80;

// The voice selector's first row ("OFF") stands for bank 0.
constexpr int firstVoiceRow = 1;

// Device patch indexes: the performance, then the parts' voices.
constexpr std::int32_t performancePatch = 0;

RefString translated(const char* text) { return fromWxString(wxGetTranslation(text)); }

// Moves the group's cursor to gap pixels past the previous control.
void setGap(ControlGroup& group, int gap) { group.cursor().along += gap - group.spacing().controlSpacing; }

// The group's box reaches past its last control.
void closeGroup(ControlGroup& group)
{
    FlowCursor& cursor = group.cursor();
    cursor.alongExtent = std::max(cursor.alongExtent, cursor.along);
}

void setSpacing(ControlGroup& group, int control, int row, int section)
{
    group.spacing().controlSpacing = control;
    group.spacing().rowSpacing = row;
    group.spacing().sectionSpacing = section;
}

// Built on first use, translated then, kept to the end of the program.
const ValueLabels& monoPriorityLabels()
{
    static const RefString labels[] = {translated(wxTRANSLATE("Mono (last)")), translated(wxTRANSLATE("Mono (top)")),
        translated(wxTRANSLATE("Mono (bottom)")), translated(wxTRANSLATE("Mono (first)"))};
    static const ValueLabels list(labels, std::size(labels));
    return list;
}

const ValueLabels& offOnLabels()
{
    static const RefString labels[] = {translated(wxTRANSLATE("OFF")), translated(wxTRANSLATE("ON"))};
    static const ValueLabels list(labels, std::size(labels));
    return list;
}

SysexParameter* addPartParameter(ControlGroup& group, PackedAddress offset, std::int32_t maximum)
{
    return group.factory()->addSysexParameter(sumPackedAddresses(group.baseAddress(), offset), 0, maximum, 0);
}

} // namespace

PerformanceTopPanel::PerformanceTopPanel(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory,
    Fs1rDevice& device)
    : EditorPanel(groupSlots, parent, embedded::performancePagePng, embedded::performancePagePngSize)
{
    const wxSize size(width, height);
    SetMinSize(size);
    SetMaxSize(size);
    SetSize(size);
    build(styles, factory, device);
    layout();
}

// The parameters kept here go before the groups' controls, which drop them
// as they are told.
PerformanceTopPanel::~PerformanceTopPanel() = default;

void PerformanceTopPanel::initPanel(std::uint32_t flags)
{
    runPanelInit(flags, [this, flags] {
        for (std::size_t slot = 0; slot < groupCount(); ++slot)
            for (const auto& entry : group(slot)->controls())
                if (LayoutControl* control = entry->control(); control && control != performanceSelector_)
                    control->init(flags);
    });
}

Parameter* PerformanceTopPanel::keep(std::unique_ptr<Parameter> parameter)
{
    commands_.push_back(std::move(parameter));
    return commands_.back().get();
}

void PerformanceTopPanel::build(const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device)
{
    const RefString name = translated(wxTRANSLATE("FS1R performance"));
    const auto makeGroup = [&](std::size_t slot, std::unique_ptr<ControlGroup> group) -> ControlGroup& {
        return setGroup(slot, std::move(group));
    };
    ControlGroup& headerRow = makeGroup(headerRowSlot,
        std::make_unique<HorizontalControlGroup>(name, this, &factory, styles.style(headerStyle)));
    ControlGroup& noteShift = makeGroup(noteShiftSlot,
        std::make_unique<VerticalControlGroup>(name, this, &factory, styles.style(headerStyle)));
    ControlGroup& parts =
        makeGroup(partsSlot, std::make_unique<VerticalControlGroup>(name, this, &factory, styles.style(partsStyle)));

    buildHeaderRow(headerRow, device);
    buildNoteShift(noteShift);
    parts.spacing().defaultLength = 15;
    parts.setGeometry(partColumnWidth, partLabelBand, 58, 20);
    setSpacing(parts, 1, 3, 0);
    for (int part = 0; part < partCount; ++part)
        buildPart(parts, device, part);
    for (ControlGroup* group : {&headerRow, &noteShift, &parts})
        closeGroup(*group);
}

void PerformanceTopPanel::buildHeaderRow(ControlGroup& group, Fs1rDevice& device)
{
    group.setGeometry(18, 0, 0, 3);
    setSpacing(group, 6, 6, 0);
    const auto saveButton = [&](const char* label, std::unique_ptr<Parameter> command,
                                std::shared_ptr<const wxBitmap> icon) {
        addValueButton(group, translated(label), keep(std::move(command)), 19, ControlStyle::normalText)
            .setBitmap(std::move(icon));
    };
    saveButton(wxTRANSLATE("Save to file"), std::make_unique<SaveToFileCommandParameter>(device, performancePatch),
        SaveButtonIcons::toFile());
    saveButton(wxTRANSLATE("Save to device"),
        std::make_unique<SaveToDeviceCommandParameter>(device, performancePatch), SaveButtonIcons::toDevice());
    setGap(group, 5);
    buildPerformanceSelector(group, device);

    setGap(group, 2);
    addTextEditAt(group, translated(wxTRANSLATE("Name")), nameOffset, firstCharacter, lastCharacter, nameLength, 90);
    setGap(group, 10);
    addChoiceAt(group, translated(wxTRANSLATE("Category")), categoryOffset, 0, lastCategory, 0, 152,
        ControlStyle::normalText)
        .setValueLabels(getValueLabels(categoryLabelTable));

    const PageBitmaps::Set faces = PageBitmaps::Set::showPerformanceBitmaps;
    addValueButton(group, RefString(), keep(std::make_unique<ShowPanelParameter>(device, Fs1rPanels::performancePage)),
        31, ControlStyle::normalText)
        .setValueBitmaps(PageBitmaps::pictures(faces).data(), false);
}

void PerformanceTopPanel::buildPerformanceSelector(ControlGroup& group, Fs1rDevice& device)
{
    const Fs1rPerformanceSelection selection = Fs1rPerformanceSelection::create(*group.factory());
    device.setCurrentPerformanceParameters(selection.bank, selection.number);
    // Every program change brings the chosen performance in, and asks before
    // it replaces unsaved edits; a bank step alone loads nothing.
    loadAfter(*selection.number, device, performancePatch, false);

    GridSelectorControl& selector = addGridSelector(group, RefString(), 38);
    performanceSelector_ = &selector;
    selector.setClipWhenNarrow(true);
    selector.bindParameter(selection.bank, GridSelectorControl::roleRow);
    selector.bindParameter(selection.number, GridSelectorControl::roleColumn);
    gridLabels_.push_back(
        std::make_unique<LibraryGridLabels>(selector, device.library(Fs1rLibraries::performances), 0));
}

void PerformanceTopPanel::loadAfter(Parameter& selection, Fs1rDevice& device, Fs1rPart part, bool sentOnly)
{
    auto load = std::make_unique<LoadPatchCommandParameter>(device, part, sentOnly);
    selection.setChangeGuard(load.get());
    selection.addPostDependent(nullptr, keep(std::move(load)));
}

void PerformanceTopPanel::buildNoteShift(ControlGroup& group)
{
    group.setGeometry(66, 66, 0, 7);
    addSliderAt(group, translated(wxTRANSLATE("Note shift")), noteShiftOffset, 0, 2 * noteShiftCentre, 0, 14,
        ControlStyle::normalText)
        .setDisplayScale(Rational(1), Rational(-noteShiftCentre));
}

void PerformanceTopPanel::buildPart(ControlGroup& group, Fs1rDevice& device, int part)
{
    group.setBaseAddress(partStride * static_cast<PackedAddress>(part));
    if (part > 0)
        group.nextRow(ControlFlow::noExtra);
    group.setLineIndex(part);
    group.addTextItem(fromWxString(wxString::Format(_("PART %d"), part + 1)), 28, ControlStyle::normalText, false);
    buildPartVoice(group, device, part);

    // The button stands at the column's far side, one picture wide, with no
    // caption; without the band the first column starts the band further left.
    group.setGeometry(partColumnWidth, 0, 58, 20);
    const wxSize face = PageBitmaps::pictureSize(PageBitmaps::Set::editVoiceBitmaps);
    const int removedBand = part == 0 ? partLabelBand : 0;
    std::unique_ptr<ValueButton> made = newValueButton(group);
    ValueButton& editVoice = *made;
    group.addLabelledControl(std::move(made), translated(wxTRANSLATE("Edit voice")), face.GetHeight(),
        ControlStyle::normalText, removedBand + partColumnWidth - face.GetWidth(), face.GetWidth());
    editVoice.bindParameter(keep(std::make_unique<ShowPanelParameter>(device, Fs1rPanels::firstVoicePage + part)));
    editVoice.setValueBitmaps(PageBitmaps::pictures(PageBitmaps::Set::editVoiceBitmaps).data(), false);
    group.setGeometry(partColumnWidth, partLabelBand, 58, 20);

    buildAssignMode(group);
    addValueButtonAt(group, translated(wxTRANSLATE("Filter")), partFilterOffset, 0, 1, 0, 0, ControlStyle::normalText)
        .setValueLabels(&offOnLabels())
        .setDefaultLabel(offOnLabels().get(1));
}

void PerformanceTopPanel::buildPartVoice(ControlGroup& group, Fs1rDevice& device, int part)
{
    SysexParameter* program = addPartParameter(group, partProgramOffset, lastProgram);
    // Each change of the part's program brings that part's voice in, and so
    // does a change of its bank that the instrument makes too: an undo may
    // give back the bank alone.
    loadAfter(*program, device, part + 1, false);

    GridSelectorControl& selector = addGridSelector(group, translated(wxTRANSLATE("Program")), 0);
    selector.setLabels(translated(wxTRANSLATE("OFF")), RefString());
    voiceSelectors_.at(part) = &selector;
    SysexParameter* bank = addPartParameter(group, partBankOffset, lastVoiceBank);
    loadAfter(*bank, device, part + 1, true);
    selector.bindParameter(bank, GridSelectorControl::roleRow);
    selector.bindParameter(program, GridSelectorControl::roleColumn);
    gridLabels_.push_back(
        std::make_unique<LibraryGridLabels>(selector, device.library(Fs1rLibraries::voices), firstVoiceRow));
    partEnabled_.at(part) = std::make_shared<ValueRangeCondition>(bank, 1, lastVoiceBank);

    voiceFilters_.at(part) = std::make_unique<VoiceSelectorFilter>(selector);
    voiceLists_.at(part) = device.createVoiceListModel(*voiceFilters_.at(part));
    const wxSize category = PageBitmaps::pictureSize(PageBitmaps::Set::categoryBitmaps);
    const int categoryCross = category.GetWidth() + 10;
    const int categoryAcross = 28;
    std::unique_ptr<ChoiceControl> filter = newChoice(group);
    ChoiceControl& choice = *filter;
    group.addControl(std::move(filter), categoryCross, categoryAcross, category.GetHeight());
    group.setControlPath(choice, RefString());
    choice.bindParameter(&voiceLists_.at(part)->categoryParameter());
    choice.setValueBitmaps(PageBitmaps::pictures(PageBitmaps::Set::categoryBitmaps).data(), false);
}

void PerformanceTopPanel::buildAssignMode(ControlGroup& group)
{
    SysexParameter* monoPoly = addPartParameter(group, monoPolyOffset, poly);
    GridSelectorControl& selector = addGridSelector(group, translated(wxTRANSLATE("Assign mode")), 0);
    selector.setLabels(RefString(), translated(wxTRANSLATE("Poly")));
    selector.bindParameter(monoPoly, GridSelectorControl::roleRow);
    SysexParameter* monoPriority = addPartParameter(group, monoPriorityOffset, lastMonoPriority);
    selector.setValueLabels(&monoPriorityLabels());
    // A new performance plays every part poly. The selector's own default
    // would stand for both its roles on Init.
    monoPoly->setDefaultValue(poly);
    monoPoly->setValue(flagsConstruct, poly);
    selector.bindParameter(monoPriority, GridSelectorControl::roleColumn);
}

void PerformanceTopPanel::layout()
{
    const wxBitmap* background = backgroundBitmap();
    group(headerRowSlot)->setPosition(111, 3, background);
    group(noteShiftSlot)->setPosition(496, 12, background);
    group(partsSlot)->setPosition(5, 34, background);
}

void PerformanceTopPanel::limitPartVoiceSelectors(bool limited)
{
    for (GridSelectorControl* selector : voiceSelectors_)
        if (selector)
            selector->limitStrip(firstVoiceRow, limited ? Fs1rDevice::limitedVoiceCount : 0);
}
