// The voice common groups of a voice page: titles, name, note shift,
// formant-sequence tracks, pitch envelope, algorithm and modifiers.
#include "commands/SaveToDeviceCommandParameter.h"
#include "commands/SaveToFileCommandParameter.h"
#include "controls/EnvelopeShape.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rPart.h"
#include "instrument/Fs1rValueLabels.h"
#include "panels/ControlAdding.h"
#include "panels/Fs1rAlgorithmGraphs.h"
#include "panels/OperatorColours.h"
#include "panels/OperatorSwitchPictures.h"
#include "panels/SaveButtonIcons.h"
#include "panels/TranslatedLabels.h"
#include "panels/VoicePanel.h"
#include "panels/VoiceSectionSteps.h"
#include "panels/VoiceSections.h"
#include "sysex/SysexParameter.h"

#include <array>

namespace {

using Roles = EnvelopeShape;
using VoiceSectionSteps::text;

constexpr int categoryLabels = 1;
constexpr int largeTitle = 1;
constexpr int smallTitle = 2;
constexpr int modifierRows = 5;
constexpr int saveButtonExtent = 19;
constexpr int switchExtent = 19;

const LabelList* operatorLabels()
{
    static const TranslatedLabels labels{wxTRANSLATE("Operator 1"), wxTRANSLATE("Operator 2"),
        wxTRANSLATE("Operator 3"), wxTRANSLATE("Operator 4"), wxTRANSLATE("Operator 5"),
        wxTRANSLATE("Operator 6"), wxTRANSLATE("Operator 7"), wxTRANSLATE("Operator 8")};
    return labels.list();
}

const LabelList* trackLabels()
{
    static const TranslatedLabels labels{wxTRANSLATE("Track 1"), wxTRANSLATE("Track 2"), wxTRANSLATE("Track 3"),
        wxTRANSLATE("Track 4"), wxTRANSLATE("Track 5"), wxTRANSLATE("Track 6"), wxTRANSLATE("Track 7"),
        wxTRANSLATE("Track 8")};
    return labels.list();
}

const LabelList* voicedSwitchLabels()
{
    static const TranslatedLabels labels{wxTRANSLATE("V"), wxTRANSLATE("V")};
    return labels.list();
}

const LabelList* unvoicedSwitchLabels()
{
    static const TranslatedLabels labels{wxTRANSLATE("U"), wxTRANSLATE("U")};
    return labels.list();
}

const LabelList* pitchEgRangeLabels()
{
    static const TranslatedLabels labels{wxTRANSLATE("8oct"), wxTRANSLATE("2oct"), wxTRANSLATE("1oct"),
        wxTRANSLATE("1/2oct")};
    return labels.list();
}

const LabelList* destinationLabels()
{
    static const TranslatedLabels labels{{"---", wxTRANSLATE("out"), wxTRANSLATE("freq"), wxTRANSLATE("width")},
        {"---"}};
    return labels.list();
}

const LabelList* sourceLabels()
{
    static const TranslatedLabels labels{wxTRANSLATE("Voiced 1"), wxTRANSLATE("Voiced 2"), wxTRANSLATE("Voiced 3"),
        wxTRANSLATE("Voiced 4"), wxTRANSLATE("Voiced 5"), wxTRANSLATE("Voiced 6"),
        wxTRANSLATE("Voiced 7"), wxTRANSLATE("Voiced 8"), wxTRANSLATE("Unvoiced 1"), wxTRANSLATE("Unvoiced 2"),
        wxTRANSLATE("Unvoiced 3"), wxTRANSLATE("Unvoiced 4"), wxTRANSLATE("Unvoiced 5"), wxTRANSLATE("Unvoiced 6"),
        wxTRANSLATE("Unvoiced 7"), wxTRANSLATE("Unvoiced 8")};
    return labels.list();
}

SectionStep caption(const char* label, int style, int extent)
{
    return {.kind = StepKind::caption, .label = label, .extent = extent, .numbers = {style}};
}

SectionStep gap(int pixels) { return {.kind = StepKind::align, .extent = pixels}; }

const SectionStep textSteps[] = {
    {.kind = StepKind::geometry, .numbers = {138, 0, 0, 3}},
    gap(90),
    caption(wxTRANSLATE("OSCILLATORS"), largeTitle, 22),
    caption(wxTRANSLATE("8 voiced operators"), smallTitle, 12),
    caption(wxTRANSLATE("8 unvoiced operators"), smallTitle, 51),
    caption(wxTRANSLATE("FM algorithm"), largeTitle, 195),
    caption(wxTRANSLATE("FM modifiers"), largeTitle, 137),
    caption(wxTRANSLATE("Formant modifiers"), largeTitle, 12),
    {.kind = StepKind::nextRow, .extent = 535},
    gap(10),
    caption(wxTRANSLATE("Formant\nSequence"), largeTitle, 92),
    {.kind = StepKind::geometry, .numbers = {100, 0, 0, 3}},
    {.kind = StepKind::nextRow, .extent = 270},
    gap(64),
    caption(wxTRANSLATE("LFO 1"), largeTitle, 92),
    caption(wxTRANSLATE("LFO 2"), largeTitle, 92),
    caption(wxTRANSLATE("FILTER"), largeTitle, 125),
    caption(wxTRANSLATE("Envelope"), smallTitle, 132),
    caption(wxTRANSLATE("PITCH Envelope"), largeTitle, 12),
};

void addSaveButtons(SectionContext& context)
{
    Fs1rDevice& device = context.page.device();
    const Fs1rPart part = Fs1rParts::firstVoice + context.page.voiceIndex();
    Parameter& toFile = context.page.keep(std::make_unique<SaveToFileCommandParameter>(device, part));
    addValueButton(context.group, text(wxTRANSLATE("Save to file")), &toFile, saveButtonExtent, 0)
        .setBitmap(SaveButtonIcons::toFile());
    Parameter& toDevice = context.page.keep(std::make_unique<SaveToDeviceCommandParameter>(device, part));
    addValueButton(context.group, text(wxTRANSLATE("Save to device")), &toDevice, saveButtonExtent, 0)
        .setBitmap(SaveButtonIcons::toDevice());
}

void addName(SectionContext& context)
{
    constexpr std::int32_t firstCharacter = 32;
    constexpr std::int32_t lastCharacter = 127;
    constexpr std::uint32_t nameLength = 10;
    addTextEditAt(context.group, text(wxTRANSLATE("Name")), 0x00, firstCharacter, lastCharacter, nameLength, 75);
}

const LabelList* voiceCategories() { return getValueLabels(categoryLabels); }

const SectionStep nameSteps[] = {
    {.kind = StepKind::geometry, .numbers = {18, 0, 0, 3}},
    {.kind = StepKind::spacing, .numbers = {keep, 6, 6, 0}},
    {.kind = StepKind::custom, .custom = addSaveButtons},
    {.kind = StepKind::custom, .custom = addName},
    gap(10),
    {.kind = StepKind::choice, .label = wxTRANSLATE("Category"), .offset = 0x0E, .maximum = 22, .extent = 152,
        .labels = voiceCategories},
};

const SectionStep noteShiftSteps[] = {
    {.kind = StepKind::geometry, .numbers = {66, 60, 0, 3}},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Note shift"), .offset = 0x1E, .maximum = 48, .extent = 14,
        .scaled = true,
        .displayOffset = Rational(-24)},
};

// The byte and bit of operator k's voiced or unvoiced switch: operators 1
// to 7 are bits 0 to 6 of one byte, operator 8 bit 0 of the byte below.
struct SwitchBit {
    PackedAddress offset;
    std::uint32_t bit;
};

SwitchBit switchBit(PackedAddress firstSevenByte, int k)
{
    constexpr int lastOperator = VoicePanel::operatorCount - 1;
    return k < lastOperator ? SwitchBit{firstSevenByte, std::uint32_t(k)} : SwitchBit{firstSevenByte - 1, 0};
}

void buildFseqGroup(VoicePanel& page)
{
    ControlGroup& group = page.slot(VoicePanel::fseqGroup);
    group.setGeometry(12, 12, 12, 2);
    FlowSpacing& spacing = group.spacing();
    spacing = {.defaultLength = 48, .labelBand = spacing.labelBand, .sectionBand = spacing.sectionBand,
        .rowDepth = spacing.rowDepth, .controlSpacing = 10, .rowSpacing = 2, .sectionSpacing = 1,
        .labelGap = spacing.labelGap};
    constexpr PackedAddress trackOffset = 0x05;
    for (int k = 0; k < VoicePanel::operatorCount; ++k)
        addChoiceAt(group, operatorLabels()->get(k), page.operatorBase(k) + trackOffset, 0, 7, 0, 0, 0)
            .setValueLabels(trackLabels())
            .setDefaultValue(k);
    group.nextRow(ControlFlow::noExtra);
    group.setGeometry(14, 0, 0, 0);
    constexpr PackedAddress voicedSwitches = 0x29;
    constexpr PackedAddress unvoicedSwitches = 0x2B;
    for (int k = 0; k < VoicePanel::operatorCount; ++k) {
        const SwitchBit voiced = switchBit(voicedSwitches, k);
        addValueButtonAt(group, text(wxTRANSLATE("V")), page.commonBase() + voiced.offset, 0, 1, voiced.bit,
            switchExtent, 0)
            .setValueLabels(voicedSwitchLabels())
            .setValueBitmaps(OperatorSwitchPictures::pictures(), true);
        const SwitchBit unvoiced = switchBit(unvoicedSwitches, k);
        addValueButtonAt(group, text(wxTRANSLATE("U")), page.commonBase() + unvoiced.offset, 0, 1, unvoiced.bit,
            switchExtent, 0)
            .setValueLabels(unvoicedSwitchLabels())
            .setValueBitmaps(OperatorSwitchPictures::pictures(), true);
    }
    VoiceSectionSteps::recordExtent(group);
}

EnvelopePoint centredLevel(std::uint32_t role, PackedAddress offset)
{
    return {.role = role, .offset = offset, .maximum = 100, .centred = true};
}

EnvelopePoint time(std::uint32_t role, PackedAddress offset)
{
    return {.role = role, .offset = offset, .maximum = 99, .defaultKind = DefaultKind::raw, .defaultValue = 50};
}

const EnvelopePoint pitchEnvelope[] = {
    centredLevel(Roles::startLevel, 0x1F),
    time(Roles::attackTime, 0x23),
    centredLevel(Roles::attackLevel, 0x20),
    time(Roles::decayTime, 0x24),
    centredLevel(Roles::biasLevel, 0x21),
    time(Roles::decayTime2, 0x25),
    centredLevel(Roles::sustainLevel, 0x3E),
    time(Roles::releaseTime, 0x26),
    centredLevel(Roles::endLevel, 0x22),
};

void addPitchTimeScale(SectionContext& context)
{
    SysexParameter* slope = VoiceSectionSteps::makeParameter(context.group, 0x3C, 0, 7);
    ScalingCurveControl& curve = addScalingCurve(context.group, text(wxTRANSLATE("Time scale")), 0);
    curve.bindParameter(slope, ScalingCurveControl::roleSlope);
    curve.setDisplayScale(Rational(-1, 7), Rational(0));
}

void addPitchEnvelope(SectionContext& context)
{
    VoiceSectionSteps::addEnvelope(context.group, nullptr, 220, pitchEnvelope);
}

const SectionStep pitchEgSteps[] = {
    {.kind = StepKind::spacing, .numbers = {42, 8, 4, 2}},
    {.kind = StepKind::geometry, .numbers = {16, 14, 0, 3}},
    {.kind = StepKind::choice, .label = wxTRANSLATE("Range"), .offset = 0x3B, .maximum = 3,
        .labels = pitchEgRangeLabels},
    {.kind = StepKind::saveCursor},
    {.kind = StepKind::nextRow},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Velocity"), .offset = 0x27, .maximum = 7},
    {.kind = StepKind::nextRow},
    {.kind = StepKind::geometry, .numbers = {32, 14, 0, 3}},
    {.kind = StepKind::custom, .custom = addPitchTimeScale},
    {.kind = StepKind::restoreCursor},
    {.kind = StepKind::geometry, .numbers = {100, 16, 0, 3}},
    {.kind = StepKind::custom, .custom = addPitchEnvelope},
};

void buildAlgorithmGroup(VoicePanel& page)
{
    ControlGroup& group = page.slot(VoicePanel::algorithmGroup);
    group.setGeometry(138, 16, 0, 3);
    AlgorithmSelector& selector = addAlgorithmSelectorAt(group, RefString(u""), 0x2C, 0, 87, 0, 133, 0);
    page.setAlgorithmSelector(&selector);
    for (int k = 0; k < VoicePanel::operatorCount; ++k)
        selector.setOperatorColour(k, operatorColours()[k]);
    selector.setAlgorithmTable(fs1rAlgorithmGraphs());
    selector.setDisplayScale(Rational(1), Rational(1));
    VoiceSectionSteps::recordExtent(group);
}

// One FM or formant modifier row: a source and a destination in one byte,
// and a depth.
struct ModifierRows {
    std::size_t slot;
    PackedAddress sourceOffset;
    PackedAddress depthOffset;
    std::int32_t destinationDefault;
};

const ModifierRows fmRows{VoicePanel::fmGroup, 0x4A, 0x4F, 1};
const ModifierRows formantRows{VoicePanel::formantGroup, 0x40, 0x45, 2};

void addModifierRow(VoicePanel& page, const ModifierRows& rows, int k)
{
    ControlGroup& group = page.slot(rows.slot);
    group.setBaseAddress(page.commonBase() + k);
    VoiceSectionSteps::closeOpenRow(group);
    group.setLineIndex(k);
    constexpr std::uint32_t destinationBit = 4;
    SysexParameter* source = VoiceSectionSteps::makeParameter(group, rows.sourceOffset, 0, 15);
    SysexParameter* destination = VoiceSectionSteps::makeParameter(group, rows.sourceOffset, 0, 3, destinationBit);
    addChoice(group, text(wxTRANSLATE("Operator")), source, 0, 0).setValueLabels(sourceLabels()).setDefaultValue(k);
    addSliderAt(group, text(wxTRANSLATE("Depth")), rows.depthOffset, 0, 127, 0, 0, 0).setDisplayScale(Rational(1),
        Rational(-64));
    group.advance(10);
    addChoice(group, text(wxTRANSLATE("Dest")), destination, 32, 0)
        .setValueLabels(destinationLabels())
        .setDefaultValue(rows.destinationDefault);
}

void buildModifierGroups(VoicePanel& page)
{
    for (const ModifierRows* rows : {&fmRows, &formantRows}) {
        ControlGroup& group = page.slot(rows->slot);
        group.setGeometry(16, 16, 0, 3);
        group.spacing().defaultLength = 56;
    }
    for (int k = 0; k < modifierRows; ++k)
        for (const ModifierRows* rows : {&fmRows, &formantRows})
            addModifierRow(page, *rows, k);
    for (const ModifierRows* rows : {&fmRows, &formantRows})
        VoiceSectionSteps::recordExtent(page.slot(rows->slot));
}

void runGroup(VoicePanel& page, std::size_t slot, PackedAddress base, std::span<const SectionStep> steps)
{
    ControlGroup& group = page.slot(slot);
    group.setBaseAddress(base);
    SectionContext context{page, group};
    VoiceSectionSteps::run(context, steps);
    VoiceSectionSteps::recordExtent(group);
}

} // namespace

void VoiceSections::buildCommonGroups(VoicePanel& page)
{
    runGroup(page, VoicePanel::textGroup, 0, textSteps);
    runGroup(page, VoicePanel::nameGroup, page.commonBase(), nameSteps);
    runGroup(page, VoicePanel::noteShiftGroup, page.commonBase(), noteShiftSteps);
    buildFseqGroup(page);
    page.slot(VoicePanel::pitchEgGroup).setBaseAddress(page.commonBase());
    runGroup(page, VoicePanel::pitchEgGroup, page.commonBase(), pitchEgSteps);
    page.slot(VoicePanel::algorithmGroup).setBaseAddress(page.commonBase());
    buildAlgorithmGroup(page);
    buildModifierGroups(page);
}
