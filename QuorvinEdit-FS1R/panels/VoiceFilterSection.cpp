// The filter group of a voice page.
#include "controls/EnvelopeShape.h"
#include "instrument/Fs1rValueLabels.h"
#include "panels/ControlAdding.h"
#include "panels/TranslatedLabels.h"
#include "panels/VoicePanel.h"
#include "panels/VoiceSectionSteps.h"
#include "panels/VoiceSections.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

namespace {

using Roles = EnvelopeShape;

constexpr int noteNameLabels = 2;
constexpr int narrowExtent = 38;
constexpr int wideExtent = 76;

// HPF reads as on the instrument, beside the other types: its translation
// belongs to the effects' filter captions, which have the room for it.
const LabelList* filterTypeLabels()
{
    static const TranslatedLabels labels{{wxTRANSLATE("LPF24"), wxTRANSLATE("LPF18"), wxTRANSLATE("LPF12"), "HPF",
                                             wxTRANSLATE("BPF"), wxTRANSLATE("BEF")},
        {"HPF"}};
    return labels.list();
}

SectionStep centredSlider(const char* label, PackedAddress offset, std::int32_t maximum, int extent = 0)
{
    return {.kind = StepKind::slider, .label = label, .offset = offset, .maximum = maximum, .extent = extent,
        .scaled = true, .displayOffset = Rational(-(maximum + 1) / 2)};
}

void addType(SectionContext& context)
{
    addChoice(context.group, VoiceSectionSteps::text(wxTRANSLATE("Type")), context.page.filterTypeParameter(),
        narrowExtent, 0)
        .setValueLabels(filterTypeLabels());
}

// Cutoff keyboard scaling: the slope around a pivot note.
void addFreqScale(SectionContext& context)
{
    ControlGroup& group = context.group;
    SysexParameter* pivot = VoiceSectionSteps::makeParameter(group, 0x5C, 0, 127);
    SysexParameter* slope = VoiceSectionSteps::makeParameter(group, 0x5B, 0, 127);
    ScalingCurveControl& curve = addScalingCurve(group, VoiceSectionSteps::text(wxTRANSLATE("Freq scale")), 64);
    curve.bindParameter(slope, ScalingCurveControl::roleSlope);
    curve.setDisplayScale(Rational(1, 64), Rational(-1));
    curve.bindParameter(pivot, ScalingCurveControl::rolePivot);
    curve.setValueLabels(getValueLabels(noteNameLabels));
    curve.setDefaultLabel(fromWxString("C3"));
}

void addTimeScale(SectionContext& context)
{
    ControlGroup& group = context.group;
    SysexParameter* slope = VoiceSectionSteps::makeParameter(group, 0x6E, 0, 7);
    ScalingCurveControl& curve = addScalingCurve(group, VoiceSectionSteps::text(wxTRANSLATE("Time scale")), 0);
    curve.bindParameter(slope, ScalingCurveControl::roleSlope);
    curve.setDisplayScale(Rational(-1, 7), Rational(0));
}

const EnvelopePoint envelopePoints[] = {
    {.role = Roles::attackTime, .offset = 0x69, .maximum = 99, .defaultKind = DefaultKind::raw, .defaultValue = 50},
    {.role = Roles::attackLevel, .offset = 0x66, .maximum = 100, .centred = true},
    {.role = Roles::decayTime, .offset = 0x6A, .maximum = 99, .defaultKind = DefaultKind::raw, .defaultValue = 50},
    {.role = Roles::biasLevel, .offset = 0x67, .maximum = 100, .centred = true},
    {.role = Roles::decayTime2, .offset = 0x6B, .maximum = 99, .defaultKind = DefaultKind::raw, .defaultValue = 50},
    {.role = Roles::sustainLevel, .offset = 0x68, .maximum = 100, .centred = true},
    {.role = Roles::releaseTime, .offset = 0x6C, .maximum = 99, .defaultKind = DefaultKind::raw, .defaultValue = 50},
    {.role = Roles::endLevel, .offset = 0x65, .maximum = 100, .centred = true},
};

void addFilterEnvelope(SectionContext& context)
{
    VoiceSectionSteps::addEnvelope(context.group, nullptr, 220, envelopePoints);
}

SectionStep geometry(int rowDepth, int labelBand)
{
    return {.kind = StepKind::geometry, .numbers = {rowDepth, labelBand, 0, 3}};
}

const SectionStep filterSteps[] = {
    {.kind = StepKind::spacing, .numbers = {42, 2, 10, 0}},
    {.kind = StepKind::skip, .extent = 48},
    geometry(16, 14),
    centredSlider(wxTRANSLATE("In gain"), 0x5D, 24, narrowExtent),
    {.kind = StepKind::custom, .custom = addType},
    // Their captions are wider than the sliders: a gap keeps them apart,
    // taken from the skip before them, so the row ends where it did.
    {.kind = StepKind::skip, .extent = 54},
    centredSlider(wxTRANSLATE("Res velo"), 0x56, 14, narrowExtent),
    {.kind = StepKind::skip, .extent = 4},
    centredSlider(wxTRANSLATE("EG Depth"), 0x64, 127, narrowExtent),
    {.kind = StepKind::nextRow},
    {.kind = StepKind::skip, .extent = 48},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Cutoff"), .offset = 0x57, .maximum = 127, .extent = wideExtent,
        .defaultKind = DefaultKind::raw, .defaultValue = 127},
    {.kind = StepKind::saveCursor},
    {.kind = StepKind::spacing, .numbers = {keep, 2, 0, 0}},
    {.kind = StepKind::nextRow},
    {.kind = StepKind::skip, .extent = 48},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Reso"), .offset = 0x55, .maximum = 116, .extent = wideExtent,
        .scaled = true,
        .displayOffset = Rational(-16)},
    {.kind = StepKind::restoreCursor},
    {.kind = StepKind::skip, .extent = wideExtent},
    geometry(46, 14),
    {.kind = StepKind::custom, .custom = addFreqScale},
    {.kind = StepKind::spacing, .numbers = {keep, 8, 4, 2}},
    {.kind = StepKind::nextRow},
    geometry(16, 14),
    {.kind = StepKind::slider, .label = wxTRANSLATE("Atk time velo"), .offset = 0x6E, .bitOffset = 3, .maximum = 7},
    {.kind = StepKind::saveCursor},
    {.kind = StepKind::nextRow},
    centredSlider(wxTRANSLATE("Velocity"), 0x58, 14),
    {.kind = StepKind::nextRow},
    geometry(32, 14),
    {.kind = StepKind::custom, .custom = addTimeScale},
    {.kind = StepKind::restoreCursor},
    geometry(100, 16),
    {.kind = StepKind::custom, .custom = addFilterEnvelope},
};

} // namespace

void VoiceSections::buildFilterGroup(VoicePanel& page)
{
    ControlGroup& group = page.slot(VoicePanel::filterGroup);
    group.setBaseAddress(page.commonBase());
    SectionContext context{page, group};
    VoiceSectionSteps::run(context, filterSteps);
    VoiceSectionSteps::recordExtent(group);
}
