#include "panels/SystemPanel.h"

#include "commands/FindDeviceCommandParameter.h"
#include "commands/RequestDataCommandParameter.h"
#include "conditions/ValueRangeCondition.h"
#include "device/ActionParameter.h"
#include "gui/HorizontalControlGroup.h"
#include "gui/QuickHelpWindow.h"
#include "gui/VerticalControlGroup.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rValueLabels.h"
#include "labels/ValueLabels.h"
#include "layout/PanelInit.h"
#include "midi/DeviceMidiInParameter.h"
#include "midi/DeviceMidiOutParameter.h"
#include "midi/KeyboardMidiInParameter.h"
#include "panels/ControlAdding.h"
#include "panels/ControlStyleSet.h"
#include "panels/PageBitmaps.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include "embedded/systemPagePng.h"

#include <wx/intl.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace {

// A fixed list of value texts, translated (or not) once when it is made.
class PageLabels {
public:
    PageLabels(std::initializer_list<const char*> texts, bool translated)
    {
        for (const char* text : texts)
            texts_.push_back(translated ? fromWxString(wxGetTranslation(text)) : RefString::fromNarrow(text));
        labels_ = ValueLabels(texts_.data(), std::uint32_t(texts_.size()));
    }
    PageLabels(const PageLabels&) = delete;
    PageLabels& operator=(const PageLabels&) = delete;

    const ValueLabels* list() const { return &labels_; }

private:
    std::vector<RefString> texts_;
    ValueLabels labels_;
};

const PageLabels& onOffLabels()
{
    static const PageLabels labels({wxTRANSLATE("OFF"), wxTRANSLATE("ON")}, true);
    return labels;
}

const PageLabels& noteReceiveLabels()
{
    static const PageLabels labels({wxTRANSLATE("All"), wxTRANSLATE("Odd"), wxTRANSLATE("Even")}, true);
    return labels;
}

const PageLabels& dumpIntervalLabels()
{
    static const PageLabels labels({"50 ms", "100 ms", "150 ms", "200 ms", "300 ms"}, false);
    return labels;
}

const PageLabels& knobModeLabels()
{
    static const PageLabels labels({wxTRANSLATE("Absolute"), wxTRANSLATE("Relative")}, true);
    return labels;
}

const PageLabels& programChangeModeLabels()
{
    static const PageLabels labels({wxTRANSLATE("Perf"), wxTRANSLATE("Multi")}, true);
    return labels;
}

const PageLabels& autoDetectLabel()
{
    static const PageLabels labels({wxTRANSLATE("Auto-detect")}, true);
    return labels;
}

const PageLabels& testSettingsLabel()
{
    static const PageLabels labels({wxTRANSLATE("Test settings")}, true);
    return labels;
}

RefString tr(const char* text) { return fromWxString(wxGetTranslation(text)); }

// Value-label tables of the instrument model.
constexpr std::int32_t noteNameTable = 2;
constexpr std::int32_t channelTable = 5;

// Controller numbers run 1 to 95 without 32, the bank select's low byte.
constexpr std::int32_t firstController = 1;
constexpr std::int32_t lastController = 95;
constexpr std::int32_t bankSelectLow = 32;
// Raw values shown as 0 on the centred sliders.
constexpr Rational centreOffset(-64, 1);
// Wide enough to store OFF as the instrument's 0x7F.
constexpr std::uint32_t channelBitWidth = 7;
constexpr PackedAddress unshownSettingAddress = 0x00004A;
// Four notes the instrument plays to test the sound, each with a velocity.
constexpr int playSoundCount = 4;
constexpr PackedAddress firstPlaySound = 0x000022;

struct GroupPlace {
    const char* name;
    FlowOrientation orientation;
    int x;
    int y;
};

constexpr std::array<GroupPlace, SystemPanel::groupCount> groupPlaces{{
    {wxTRANSLATE("SYS FS1R"), FlowOrientation::horizontal, 82, 33},
    {wxTRANSLATE("SYS FS1R midi"), FlowOrientation::horizontal, 452, 33},
    {wxTRANSLATE("SYS FS1R play"), FlowOrientation::vertical, 873, 33},
    {wxTRANSLATE("SYS midi"), FlowOrientation::vertical, 64, 308},
}};

// The quick help's box on the page.
struct Box {
    int x, y, width, height;
};
constexpr Box quickHelpBox{500, 280, 740, 400};

std::unique_ptr<ControlGroup> makeGroup(const GroupPlace& place, wxWindow* page, ParameterFactory& factory,
    const ControlStyle& style)
{
    if (place.orientation == FlowOrientation::vertical)
        return std::make_unique<VerticalControlGroup>(tr(place.name), page, &factory, style);
    return std::make_unique<HorizontalControlGroup>(tr(place.name), page, &factory, style);
}

// The next control starts gap pixels after the end of the previous one, or
// at gap in an empty row.
void skipTo(ControlGroup& group, int gap)
{
    FlowCursor& cursor = group.cursor();
    cursor.along = cursor.along == 0 ? gap : cursor.along - group.spacing().controlSpacing + gap;
}

// Counts the open row towards the group's extent without closing it.
void closeExtent(ControlGroup& group)
{
    FlowCursor& cursor = group.cursor();
    cursor.alongExtent = std::max(cursor.alongExtent, cursor.along);
}

void setSpacing(ControlGroup& group, int defaultLength, int controlSpacing, int rowSpacing)
{
    FlowSpacing& spacing = group.spacing();
    spacing.defaultLength = defaultLength;
    spacing.controlSpacing = controlSpacing;
    spacing.rowSpacing = rowSpacing;
    spacing.sectionSpacing = 0;
}

void addControllerBox(ControlGroup& group, const char* label, PackedAddress address, std::int32_t defaultNumber)
{
    ValueBox& box = addValueBoxAt(group, tr(label), address, firstController, lastController, 0, 0, 0);
    box.mainParameter()->setExcludedValue(bankSelectLow);
    box.setDefaultValue(defaultNumber);
}

void addSwitch(ControlGroup& group, const char* label, PackedAddress address, int extent)
{
    addValueButtonAt(group, tr(label), address, 0, 1, 0, extent, 0).setValueLabels(onOffLabels().list()).setDefaultValue(1);
}

} // namespace

SystemPanel::SystemPanel(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory,
    Fs1rDevice& device)
    : EditorPanel(groupCount, parent, embedded::systemPagePng, embedded::systemPagePngSize),
      style_(styles.style(pageStyle)), factory_(factory)
{
    const wxSize size(PageBitmaps::pageWidth, PageBitmaps::pageHeight);
    SetMinSize(size);
    SetMaxSize(size);
    SetSize(size);
    for (std::size_t k = 0; k < groupCount; ++k)
        setGroup(k, makeGroup(groupPlaces[k], this, factory, style_));
    build(device);
    quickHelp_ = new QuickHelpWindow(this, quickHelpBox.x, quickHelpBox.y, quickHelpBox.width, quickHelpBox.height,
        style_.backgroundBrush.GetColour(), style_.fixedTextColour,
        _("<br>On the FS1R, select: UTIL>DUMPOUT>Voice>all and then UTIL>DUMPOUT>Perform>all."));
    reservedSetting_ = factory.addSysexParameter(unshownSettingAddress, 0, 1, 0);
}

SystemPanel::~SystemPanel() = default;

void SystemPanel::build(Fs1rDevice& device)
{
    buildSystemGroup();
    buildMidiEditorGroup(device);
    for (std::size_t k = 0; k < groupCount; ++k)
        group(k)->setPosition(groupPlaces[k].x, groupPlaces[k].y, backgroundBitmap());
}

void SystemPanel::initPanel(std::uint32_t flags)
{
    runPanelInit(flags, [this, flags] {
        for (std::size_t k : {systemGroup, midiGroup, playGroup})
            group(k)->initChildren(flags);
    });
}

void SystemPanel::buildSystemGroup()
{
    buildTuningGroup(*group(systemGroup));
    buildControllerGroup(*group(midiGroup));
    buildPlayGroup(*group(playGroup));
}

void SystemPanel::buildTuningGroup(ControlGroup& group)
{
    group.setGeometry(34, 0, 0, 3);
    group.addTextItem(tr("FS1R SYSTEM SETTINGS"), 287, ControlStyle::largeText, true);
    group.nextRow(ControlFlow::noExtra);

    setSpacing(group, 152, 31, 2);
    group.setGeometry(15, 15, 0, 3);
    addSliderAt(group, tr("Master tune"), 0x000000, 0, 127, 0, 0, 0).setDisplayScale(Rational(1), centreOffset);
    ChoiceControl& channel = addChoiceAt(group, tr("Perf MIDI CH"), 0x000009, -1, 16, 0, 80, 0);
    channel.setValueLabels(getValueLabels(channelTable)).setDefaultValue(0);
    if (auto* parameter = dynamic_cast<SysexParameter*>(channel.mainParameter()))
        parameter->setBitWidth(channelBitWidth);
    group.nextRow(ControlFlow::noExtra);

    addSliderAt(group, tr("Note shift"), 0x000006, 0, 127, 0, 0, 0).setDisplayScale(Rational(1), centreOffset);
    addValueButtonAt(group, tr("PG change mode"), 0x000008, 0, 1, 0, 80, 0).setValueLabels(programChangeModeLabels().list());
    group.nextRow(17);
    group.setGeometry(64, 15, 0, 3);

    const auto& velocityCurves = PageBitmaps::pictures(PageBitmaps::Set::velocityCurveBitmaps);
    addChoiceAt(group, tr("Velo curve"), 0x00000E, 0, 4, 0, 128, 0).setValueBitmaps(velocityCurves.data(), false);
    const auto& breathCurves = PageBitmaps::pictures(PageBitmaps::Set::bcCurveBitmaps);
    addChoiceAt(group, tr("BC curve"), 0x00000D, 0, 3, 0, 128, 0).setValueBitmaps(breathCurves.data(), false);
    closeExtent(group);
}

void SystemPanel::buildControllerGroup(ControlGroup& group)
{
    group.setGeometry(30, 0, 0, 3);
    group.addTextItem(tr("MIDI CC#"), 75, ControlStyle::mediumText, false);

    setSpacing(group, 20, 29, 2);
    group.setGeometry(15, 15, 0, 3);
    skipTo(group, 56);
    // The instrument fixes these two controller numbers.
    addCaption(group, tr("Attack"), nullptr, 0, 0).setText(RefString::fromNarrow("73"));
    addCaption(group, tr("Release"), nullptr, 0, 0).setText(RefString::fromNarrow("72"));
    addControllerBox(group, wxTRANSLATE("Formant"), 0x000020, 80);
    addControllerBox(group, wxTRANSLATE("FM"), 0x000021, 81);
    skipTo(group, 68);
    addControllerBox(group, wxTRANSLATE("Foot"), 0x00001E, 4);
    group.nextRow(ControlFlow::noExtra);

    addSwitch(group, wxTRANSLATE("Knob rcv"), 0x000014, 55);
    group.nextRow(ControlFlow::noExtra);
    addSwitch(group, wxTRANSLATE("Knob trn"), 0x000015, 55);
    group.nextRow(11);
    addValueButtonAt(group, tr("Knob mode"), 0x00000B, 0, 1, 0, 55, 0).setValueLabels(knobModeLabels().list());
    skipTo(group, 50);
    addControllerBox(group, wxTRANSLATE("Knob 1"), 0x000016, 16);
    addControllerBox(group, wxTRANSLATE("Knob 2"), 0x000017, 17);
    addControllerBox(group, wxTRANSLATE("Knob 3"), 0x000018, 18);
    addControllerBox(group, wxTRANSLATE("Knob 4"), 0x000019, 19);
    group.nextRow(21);

    skipTo(group, 105);
    addControllerBox(group, wxTRANSLATE("Midi 1"), 0x00001A, 20);
    addControllerBox(group, wxTRANSLATE("Midi 2"), 0x00001B, 21);
    addControllerBox(group, wxTRANSLATE("Midi 3"), 0x00001C, 22);
    addControllerBox(group, wxTRANSLATE("Midi 4"), 0x00001D, 13);
    skipTo(group, 68);
    addControllerBox(group, wxTRANSLATE("Breath"), 0x00001F, 2);

    group.spacing().defaultLength = 48;
    skipTo(group, 70);
    Parameter* programReceive = factory_.addSysexParameter(0x000013, 0, 1, 0);
    addValueButton(group, tr("PG rcv"), programReceive, 0, 0).setValueLabels(onOffLabels().list()).setDefaultValue(1);
    ValueButton& bankReceive = addValueButtonAt(group, tr("Bank rcv"), 0x000012, 0, 1, 0, 0, 0);
    bankReceive.setValueLabels(onOffLabels().list()).setDefaultValue(1);
    bankReceive.shownConditions().addRequired(std::make_shared<ValueRangeCondition>(programReceive, 1, 1));
    addChoiceAt(group, tr("Note rcv"), 0x000011, 0, 2, 0, 0, 0).setValueLabels(noteReceiveLabels().list());
    addChoiceAt(group, tr("Dump interval"), 0x000007, 0, 4, 0, 0, 0).setValueLabels(dumpIntervalLabels().list());
    closeExtent(group);
}

void SystemPanel::buildPlayGroup(ControlGroup& group)
{
    group.spacing().defaultLength = 15;
    group.setGeometry(128, 70, 0, 3);
    static const std::array<const char*, playSoundCount * 2> labels{wxTRANSLATE("Play snd 1 note"),
        wxTRANSLATE("Play snd 1 velo"), wxTRANSLATE("Play snd 2 note"), wxTRANSLATE("Play snd 2 velo"),
        wxTRANSLATE("Play snd 3 note"), wxTRANSLATE("Play snd 3 velo"), wxTRANSLATE("Play snd 4 note"),
        wxTRANSLATE("Play snd 4 velo")};
    const RefString middleC = RefString::fromNarrow("C3");
    constexpr std::int32_t fullVelocity = 127;
    for (int n = 0; n < playSoundCount; ++n) {
        const PackedAddress note = firstPlaySound + PackedAddress(2 * n);
        addSliderAt(group, tr(labels[std::size_t(2 * n)]), note, 0, 127, 0, 0, 0)
            .setValueLabels(getValueLabels(noteNameTable))
            .setDefaultLabel(middleC);
        addSliderAt(group, tr(labels[std::size_t(2 * n + 1)]), note + 1, 0, 127, 0, 0, 0)
            .setDefaultValue(fullVelocity);
    }
}

void SystemPanel::buildMidiEditorGroup(Fs1rDevice& device)
{
    ControlGroup& group = *this->group(editorGroup);
    group.setGeometry(336, 0, 0, 3);
    group.addTextItem(tr("MIDI EDITOR SETTINGS"), 40, ControlStyle::largeText, true);
    group.setGeometry(200, 136, 0, 3);
    std::vector<Control*> added;
    added.push_back(&addChoice(group, tr("MIDI IN"), device.deviceMidiIn(), 0, 0));
    added.push_back(&addChoice(group, tr("MIDI OUT"), device.deviceMidiOut(), 0, 0));
    addCommandButtons(group, device);
    for (std::size_t n = 0; n < Device::keyboardInputCount; ++n) {
        const RefString label = RefString::concat(tr("Keyboard "), RefString::fromInt(std::uint32_t(n + 1)));
        added.push_back(&addChoice(group, label, device.keyboardMidiIn(n), 0, 0));
    }
    group.cursor().along += group.spacing().controlSpacing + 10;
    for (std::size_t n = 0; n < Device::controlSetCount; ++n) {
        const RefString label = RefString::concat(tr("Controller "), RefString::fromInt(std::uint32_t(n + 1)));
        added.push_back(&addValueButton(group, label, device.controlSetDialogParameter(n), 0, 0));
    }
    closeExtent(group);
    for (Control* control : added)
        control->setSelectable(false);
}

void SystemPanel::addCommandButtons(ControlGroup& group, Fs1rDevice& device)
{
    constexpr int buttonDepth = 99;
    constexpr int secondButtonAcross = 101;
    findDevice_ = std::make_unique<FindDeviceCommandParameter>(device);
    findDevice_->setValueLabels(autoDetectLabel().list());
    requestData_ = std::make_unique<RequestDataCommandParameter>(*device.midiInterface());
    requestData_->setValueLabels(testSettingsLabel().list());
    for (auto [parameter, across] : {std::pair{findDevice_.get(), 0}, std::pair{requestData_.get(), secondButtonAcross}}) {
        std::unique_ptr<ValueButton> button = newValueButton(group);
        ValueButton& placed = *button;
        group.addControl(std::move(button), buttonDepth, across, 0);
        group.setControlPath(placed, RefString());
        placed.bindParameter(parameter);
        placed.setSelectable(false);
    }
    group.advance(group.spacing().defaultLength);
    group.cursor().along += 10;
}
