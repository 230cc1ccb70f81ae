// The page's formant-sequence settings: which part plays which sequence,
// how (pitch, play mode, speed, trigger, delay, loop) and with what velocity
// sensitivity. Everything lies in performance common (0x10 00 xx).
#include "panels/PerformancePanel.h"

#include "commands/LoadPatchCommandParameter.h"
#include "commands/ThresholdSwitchParameter.h"
#include "conditions/ValueRangeCondition.h"
#include "controls/ChoiceControl.h"
#include "controls/HorizontalRangeControl.h"
#include "controls/HorizontalSlider.h"
#include "controls/ValueButton.h"
#include "gui/ControlStyle.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rValueLabels.h"
#include "panels/ControlAdding.h"
#include "panels/GroupCursor.h"
#include "panels/TranslatedLabels.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"

#include <wx/translation.h>

#include <vector>

namespace {

constexpr std::int32_t presetNamesTable = 6;
constexpr std::int32_t internalNamesTable = 7;
constexpr std::int32_t lastPreset = 89;
constexpr std::int32_t lastInternal = 5;
// Speeds from the threshold up are tenths of a percent; below it the field
// holds a MIDI clock ratio, 0 to 4.
constexpr std::int32_t lastRatio = 4;
constexpr std::int32_t fastestSpeed = 5000;
constexpr std::int32_t normalSpeed = 1000;
constexpr std::uint32_t speedFieldWidth = 14;
constexpr std::int32_t scratchPlay = 1;
constexpr std::int32_t sequencePlay = 2;
constexpr std::int32_t lastStep = 511;
constexpr std::int32_t presetBank = 1;
constexpr int titleLength = 184;
constexpr int wideLength = 72;
constexpr int rangeLength = 186;

std::shared_ptr<ValueRangeCondition> whileIn(Parameter* source, std::int32_t low, std::int32_t high)
{
    return std::make_shared<ValueRangeCondition>(source, low, high);
}

// The controls given conditions, so that the section can show them as their
// conditions say once its values are set: controls that share a place must
// not both stand there until a value changes.
using ConditionedControls = std::vector<Control*>;

void showWhile(ConditionedControls& conditioned, Control& control,
    std::initializer_list<std::shared_ptr<ValueRangeCondition>> conditions)
{
    for (const auto& condition : conditions)
        control.shownConditions().addRequired(condition);
    conditioned.push_back(&control);
}

} // namespace

void PerformancePanel::buildFseqGroup(Fs1rDevice& device)
{
    ConditionedControls conditioned;
    static const TranslatedLabels assignLabels{
        wxTRANSLATE("OFF"), wxTRANSLATE("Part 1"), wxTRANSLATE("Part 2"), wxTRANSLATE("Part 3"),
        wxTRANSLATE("Part 4")};
    static const TranslatedLabels bankLabels{wxTRANSLATE("I"), wxTRANSLATE("P")};
    static const TranslatedLabels pitchLabels{wxTRANSLATE("fseq"), wxTRANSLATE("fixed")};
    static const TranslatedLabels playLabels{wxTRANSLATE("scratch"), wxTRANSLATE("fseq")};
    static const TranslatedLabels ratioLabels{"1/4", "1/2", "1", "2", "4"};
    static const TranslatedLabels speedModeLabels{wxTRANSLATE("x MIDI"), wxTRANSLATE("% fseq")};
    static const TranslatedLabels triggerLabels{wxTRANSLATE("first"), wxTRANSLATE("all")};
    static const TranslatedLabels loopLabels{wxTRANSLATE("one way"), wxTRANSLATE("round")};

    ControlGroup& group = *this->group(fseqGroup);
    ParameterFactory& factory = *group.factory();
    group.setGeometry(25, 0, 0, 0);
    group.addTextItem(
        PerformancePanel::text(wxTRANSLATE("Formant sequence")), titleLength, ControlStyle::largeText, false);
    group.nextRow(ControlFlow::noExtra);
    group.setGeometry(15, 15, 0, 3);
    group.spacing().defaultLength = 54;

    // Assign, bank, number and pitch mode.
    addChoiceAt(group, PerformancePanel::text(wxTRANSLATE("Assign")), 0x100015, 0, 4, 0, 42, 0)
        .setValueLabels(assignLabels.list());
    fseqBank_ = factory.addSysexParameter(0x100016, 0, 1, 0);
    fseqBank_->setValueLabels(bankLabels.list());
    addValueButton(group, PerformancePanel::text(wxTRANSLATE("Bank")), fseqBank_, 25, 0).setDefaultValue(presetBank);
    const auto internalBank = whileIn(fseqBank_, 0, 0);
    Parameter* presetNumber = factory.addSysexParameter(0x100017, 0, lastPreset, 0);
    presetNumber->setValueLabels(getValueLabels(presetNamesTable));
    Parameter* internalNumber = factory.addSysexParameter(0x100017, 0, lastInternal, 0);
    internalNumber->setValueLabels(getValueLabels(internalNamesTable));
    loadFseq_ = std::make_unique<LoadPatchCommandParameter>(device, Fs1rParts::formantSequence);
    // The instrument loads another sequence when either its bank or its
    // number changes; so does the editor, for a bank it sends.
    loadFseqOfBank_ = std::make_unique<LoadPatchCommandParameter>(device, Fs1rParts::formantSequence, true);
    fseqBank_->addPostDependent(nullptr, loadFseqOfBank_.get());
    presetNumber->addPostDependent(nullptr, loadFseq_.get());
    internalNumber->addPostDependent(nullptr, loadFseq_.get());
    // The sequence page's choice is this one too: both ask before a choice
    // of the user's replaces unsaved edits.
    fseqBank_->setChangeGuard(loadFseqOfBank_.get());
    presetNumber->setChangeGuard(loadFseq_.get());
    internalNumber->setChangeGuard(loadFseq_.get());
    const int numberPlace = group.cursor().along;
    ChoiceControl& preset = addChoice(group, PerformancePanel::text(wxTRANSLATE("Prog")), presetNumber, 68, 0);
    showWhile(conditioned, preset, {whileIn(fseqBank_, 1, 1)});
    preset.addRangeLimit(0, lastInternal, internalBank);
    group.cursor().along = numberPlace;
    showWhile(conditioned, addChoice(group, PerformancePanel::text(wxTRANSLATE("Prog")), internalNumber, 68, 0),
        {internalBank});
    Parameter* pitchMode = factory.addSysexParameter(0x100023, 0, 1, 0);
    pitchMode->setValueLabels(pitchLabels.list());
    addValueButton(group, PerformancePanel::text(wxTRANSLATE("Pitch")), pitchMode, 42, 0);
    group.nextRow(ControlFlow::noExtra);

    // Play mode and speed.
    Parameter* playMode = factory.addSysexParameter(0x100021, scratchPlay, sequencePlay, 0);
    playMode->setValueLabels(playLabels.list());
    addValueButton(group, PerformancePanel::text(wxTRANSLATE("Play mode")), playMode, 0, 0)
        .setDisplayScale(Rational(1), Rational(-1))
        .setDefaultValue(sequencePlay);
    const auto playing = whileIn(playMode, sequencePlay, sequencePlay);
    // The range starts at 0, not at the threshold: the ratio values below
    // it must stay settable through the mode switch.
    const int speedPlace = group.cursor().along;
    HorizontalSlider& speedSlider
        = addSliderAt(group, PerformancePanel::text(wxTRANSLATE("Speed")), 0x100018, 0, fastestSpeed, 0, wideLength,
            0);
    Parameter* speed = speedSlider.mainParameter();
    setParameterDisplayScale(speed, false, Rational(1, 10), Rational(0));
    const auto percentSpeed = whileIn(speed, ThresholdSwitchParameter::threshold, fastestSpeed);
    showWhile(conditioned, speedSlider, {percentSpeed, playing});
    SysexParameter* ratio = factory.addSysexParameter(0x100018, 0, lastRatio, 0);
    ratio->setBitWidth(speedFieldWidth);
    ratio->setValueLabels(ratioLabels.list());
    group.cursor().along = speedPlace;
    // The ratio and the mode are other views of the speed's field: a page
    // reset sets the field once, through the speed, and they follow it.
    Control& ratioSlider = addSlider(group, PerformancePanel::text(wxTRANSLATE("Speed")), ratio, wideLength, 0);
    ratioSlider.setKeptOnInit(true);
    showWhile(conditioned, ratioSlider, {whileIn(speed, 0, lastRatio), playing});
    speedMode_ = std::make_unique<ThresholdSwitchParameter>(*speed);
    speedMode_->setValueLabels(speedModeLabels.list());
    // After the switch, which makes its own low value the speed's default.
    speedSlider.setDefaultValue(normalSpeed);
    Control& modeButton = addValueButton(group, PerformancePanel::text(wxTRANSLATE("(Mode)")), speedMode_.get(), 0, 0);
    modeButton.setKeptOnInit(true);
    showWhile(conditioned, modeButton, {playing});
    group.nextRow(ControlFlow::noExtra);

    // Trigger, delay and loop.
    showWhile(conditioned,
        addValueButtonAt(group, PerformancePanel::text(wxTRANSLATE("Key on trigger")), 0x100024, 0, 1, 0, 0, 0)
            .setValueLabels(triggerLabels.list()),
        {playing});
    Parameter* startDelay = factory.addSysexParameter(0x100026, 0, 99, 0);
    showWhile(conditioned,
        addSlider(group, PerformancePanel::text(wxTRANSLATE("Start delay")), startDelay, wideLength, 0), { playing });
    Parameter* loopMode = factory.addSysexParameter(0x100020, 0, 1, 0);
    loopMode->setValueLabels(loopLabels.list());
    showWhile(conditioned,
        addValueButton(group, PerformancePanel::text(wxTRANSLATE("Loop mode")), loopMode, 0, 0), {playing});
    group.nextRow(ControlFlow::noExtra);

    Parameter* startOffset = factory.addSysexParameter(0x10001A, 0, lastStep, 0);
    addHorizontalRange(group, PerformancePanel::text(wxTRANSLATE("Start step offset")), rangeLength)
        .bindParameter(startOffset, RangeControl::roleMin);
    group.nextRow(ControlFlow::noExtra);
    Parameter* loopStart = factory.addSysexParameter(0x10001C, 0, lastStep, 0);
    Parameter* loopEnd = factory.addSysexParameter(0x10001E, 0, lastStep, 0);
    HorizontalRangeControl& loop = addHorizontalRange(group, PerformancePanel::text(wxTRANSLATE("Loop")),
        rangeLength);
    loop.bindParameter(loopStart, RangeControl::roleMin);
    loop.bindParameter(loopEnd, RangeControl::roleMax);
    showWhile(conditioned, loop, {playing});
    group.nextRow(ControlFlow::noExtra);

    // Velocity sensitivity.
    group.addTextItem(PerformancePanel::text(wxTRANSLATE("Velocity:")), 0, ControlStyle::mediumText, false);
    addSliderAt(group, PerformancePanel::text(wxTRANSLATE("Level")), 0x100027, 0, 127, 0, wideLength, 0)
        .setDisplayScale(Rational(1), Rational(-64));
    Parameter* speedVelocity = factory.addSysexParameter(0x100022, 0, 7, 0);
    showWhile(conditioned,
        addSlider(group, PerformancePanel::text(wxTRANSLATE("Speed")), speedVelocity, 0, 0), { percentSpeed,
            playing });

    fseqLinked_ = {loopStart, loopEnd, loopMode, speedVelocity, pitchMode, startDelay};
    device.setFseqParameters({fseqBank_, presetNumber, internalNumber, {startOffset, loopStart, loopEnd}});
    speed->setValue(flagsConstruct, Parameter::noValue);
    for (Control* control : conditioned)
        control->show(control->shownConditions().evaluate());
    GroupCursor::closeExtent(group);
}
