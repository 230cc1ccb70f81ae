// The operator groups of a voice page: eight voiced strips, one per
// operator, and one unvoiced group of eight rows, all from one table each.
#include "controls/AlgorithmOperatorCondition.h"
#include "controls/EnvelopeShape.h"
#include "instrument/Fs1rValueLabels.h"
#include "conditions/ValueRangeCondition.h"
#include "panels/ControlAdding.h"
#include "panels/PageBitmaps.h"
#include "panels/TranslatedLabels.h"
#include "panels/VoicePanel.h"
#include "panels/VoiceSectionSteps.h"
#include "panels/VoiceSections.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <array>

namespace {

using Roles = EnvelopeShape;

// The spectral form whose operator is a formant generator.
constexpr std::int32_t formantForm = 7;
constexpr int noteNameLabels = 2;
constexpr int frequencyRatioLabels = 3;
constexpr PackedAddress feedbackOffset = 0x3D;
constexpr PackedAddress levelAdjustOffset = 0x2D;
constexpr int spectralPictures = static_cast<int>(PageBitmaps::Set::spectralFormBitmaps);
constexpr int skirtPictures = static_cast<int>(PageBitmaps::Set::skirtBitmaps);

// Conditions of a voiced operator, by index in its context.
enum VoicedCondition { formant, notFormant, form1to6, form5to6, fixedMode, ratioMode };
// Conditions of an unvoiced operator.
enum UnvoicedCondition { voicedNotFormant, normalMode };
// Parameters a voiced or unvoiced operator's custom steps bind.
enum OperatorParameter { frequencyMode, spectralForm };

const LabelList* onOffLabels()
{
    static const TranslatedLabels labels{wxTRANSLATE("OFF"), wxTRANSLATE("ON")};
    return labels.list();
}

const LabelList* voicedModeLabels()
{
    static const TranslatedLabels labels{wxTRANSLATE("ratio"), wxTRANSLATE("fixed")};
    return labels.list();
}

const LabelList* unvoicedModeLabels()
{
    static const TranslatedLabels labels{wxTRANSLATE("normal"), wxTRANSLATE("linkFO"), wxTRANSLATE("linkFF")};
    return labels.list();
}

const LabelList* ratioLabels() { return getValueLabels(frequencyRatioLabels); }

SectionStep centred(const char* label, PackedAddress offset, std::uint32_t bitOffset = 0)
{
    return {.kind = StepKind::slider, .label = label, .offset = offset, .bitOffset = bitOffset, .maximum = 14,
        .scaled = true, .displayOffset = Rational(-7)};
}

SectionStep plain(const char* label, PackedAddress offset, std::int32_t maximum, std::uint32_t bitOffset = 0)
{
    return {.kind = StepKind::slider, .label = label, .offset = offset, .bitOffset = bitOffset, .maximum = maximum};
}

SectionStep title(const char* label) { return {.kind = StepKind::title, .label = label}; }

SectionStep alignTo(int amount) { return {.kind = StepKind::align, .extent = amount}; }

const SectionStep endSection{.kind = StepKind::endSection};

// --- Envelopes ---------------------------------------------------------------

EnvelopePoint time(std::uint32_t role, PackedAddress offset, std::int32_t defaultValue)
{
    return {.role = role, .offset = offset, .maximum = 99, .defaultKind = DefaultKind::raw,
        .defaultValue = defaultValue};
}

EnvelopePoint level(std::uint32_t role, PackedAddress offset, std::int32_t defaultValue)
{
    return time(role, offset, defaultValue);
}

EnvelopePoint centredLevel(std::uint32_t role, PackedAddress offset)
{
    return {.role = role, .offset = offset, .maximum = 100, .centred = true};
}

// The pitch envelope ends on a sustain the user cannot move.
const EnvelopePoint fixedSustain{.role = Roles::sustainLevel, .bound = false};

const EnvelopePoint voicedFreqEg[] = {
    centredLevel(Roles::startLevel, 0x08),
    time(Roles::attackTime, 0x0A, 50),
    centredLevel(Roles::attackLevel, 0x09),
    time(Roles::decayTime, 0x0B, 50),
    fixedSustain,
};

const EnvelopePoint unvoicedFreqEg[] = {
    centredLevel(Roles::startLevel, 0x2A),
    time(Roles::attackTime, 0x2C, 50),
    centredLevel(Roles::attackLevel, 0x2B),
    time(Roles::decayTime, 0x2D, 50),
    fixedSustain,
};

// The amplitude envelope from its first field (voiced 0x0C, unvoiced 0x30).
std::array<EnvelopePoint, 9> amplitudeEnvelope(PackedAddress first)
{
    return {{
        time(Roles::holdTime, first + 8, 0),
        time(Roles::attackTime, first + 4, 0),
        level(Roles::attackLevel, first + 0, 99),
        time(Roles::decayTime, first + 5, 50),
        level(Roles::biasLevel, first + 1, 99),
        time(Roles::decayTime2, first + 6, 50),
        level(Roles::sustainLevel, first + 2, 99),
        time(Roles::releaseTime, first + 7, 0),
        level(Roles::endLevel, first + 3, 0),
    }};
}

const auto voicedAmplitude = amplitudeEnvelope(0x0C);
const auto unvoicedAmplitude = amplitudeEnvelope(0x30);

void addVoicedFreqEg(SectionContext& context)
{
    VoiceSectionSteps::addEnvelope(context.group, wxTRANSLATE("Freq EG"), 50, voicedFreqEg);
}
void addVoicedEnvelope(SectionContext& context)
{
    VoiceSectionSteps::addEnvelope(context.group, wxTRANSLATE("Envelope"), 100, voicedAmplitude);
}
void addUnvoicedFreqEg(SectionContext& context)
{
    VoiceSectionSteps::addEnvelope(context.group, wxTRANSLATE("Freq EG"), 50, unvoicedFreqEg);
}
void addUnvoicedEnvelope(SectionContext& context)
{
    VoiceSectionSteps::addEnvelope(context.group, wxTRANSLATE("Envelope"), 100, unvoicedAmplitude);
}

// --- Custom steps ----------------------------------------------------------

void addWaveForm(SectionContext& context)
{
    addChoice(context.group, VoiceSectionSteps::text(wxTRANSLATE("WF")), context.parameters[spectralForm], 30, 0)
        .setValueBitmaps(PageBitmaps::pictures(PageBitmaps::Set::spectralFormBitmaps).data(), false);
}

void addVoicedMode(SectionContext& context)
{
    ValueButton& button = addValueButton(context.group, VoiceSectionSteps::text(wxTRANSLATE("Mode")),
        context.parameters[frequencyMode], 33, 0);
    button.setValueLabels(voicedModeLabels());
    button.shownConditions().addAlternative(context.conditions[notFormant]);
}

// Keyboard level scaling: two slopes and curves around a break point.
void addLevelScaling(SectionContext& context)
{
    ControlGroup& group = context.group;
    constexpr std::int32_t curveDefault = 3;
    struct Binding {
        std::uint32_t role;
        PackedAddress offset;
        std::int32_t maximum;
    };
    const Binding bindings[] = {
        {ScalingCurveControl::roleLeftSlope, 0x18, 99},
        {ScalingCurveControl::roleRightSlope, 0x19, 99},
        {ScalingCurveControl::roleLeftShape, 0x1A, 3},
        {ScalingCurveControl::roleRightShape, 0x1B, 3},
        {ScalingCurveControl::rolePivot, 0x17, 99},
    };
    std::vector<SysexParameter*> parameters;
    for (const Binding& binding : bindings) {
        SysexParameter* parameter = VoiceSectionSteps::makeParameter(group, binding.offset, 0, binding.maximum);
        if (binding.maximum == curveDefault) {
            parameter->setDefaultValue(curveDefault);
            parameter->setValue(flagsConstruct, curveDefault);
        }
        parameters.push_back(parameter);
    }
    LevelScalingCurveControl& curve = addLevelScalingCurve(group, VoiceSectionSteps::text(wxTRANSLATE("KB scale")),
        60);
    curve.setPopOutAllowed(true);
    for (std::size_t k = 0; k < parameters.size(); ++k)
        curve.bindParameter(parameters[k], bindings[k].role);
    curve.setValueLabels(getValueLabels(noteNameLabels));
    curve.setDisplayScale(Rational(1), Rational(21));
    curve.setDefaultLabel(fromWxString("C3"));
}

void addFeedbackAndLevelAdjust(SectionContext& context)
{
    ControlGroup& group = context.group;
    group.setBaseAddress(context.page.commonBase());
    AlgorithmSelector& selector = *context.page.algorithmSelector();
    addVerticalSlider(group, VoiceSectionSteps::text(wxTRANSLATE("FB")), context.parameters.back(), 20, 0)
        .shownConditions()
        .addAlternative(makeFeedbackOperatorCondition(selector, context.op));
    VerticalSlider& attenuation = addVerticalSliderAt(group, VoiceSectionSteps::text(wxTRANSLATE("Att")),
        levelAdjustOffset + context.op, 0, 15, 0, 23, 0);
    attenuation.setDisplayScale(Rational(-3, 2), Rational(0));
    attenuation.shownConditions().addAlternative(makeCarrierOperatorCondition(selector, context.op));
}

void addUnvoicedMode(SectionContext& context)
{
    ValueButton& button = addValueButton(context.group, VoiceSectionSteps::text(wxTRANSLATE("Mode")),
        context.parameters[frequencyMode], 33, 0);
    button.setValueLabels(unvoicedModeLabels());
    // "linkFF" follows the voiced operator's formant only.
    button.addRangeLimit(0, 1, context.conditions[voicedNotFormant]);
    button.applyRangeLimits(flagsConstruct);
}

void addUnvoicedLevelScaling(SectionContext& context)
{
    SysexParameter* slope = VoiceSectionSteps::makeParameter(context.group, 0x2F, 0, 14);
    ScalingCurveControl& curve = addScalingCurve(context.group, VoiceSectionSteps::text(wxTRANSLATE("KB scale")), 60);
    curve.bindParameter(slope, ScalingCurveControl::roleSlope);
    curve.setDisplayScale(Rational(1, 7), Rational(-1));
}

// --- Tables ----------------------------------------------------------------

const SectionStep voicedSteps[] = {
    {.kind = StepKind::custom, .custom = addWaveForm},
    title(wxTRANSLATE("OSC Spectrum")),
    // The formant form's controls and the other forms' share one place, so
    // each operator takes one row and all sixteen operators fit the page.
    {.kind = StepKind::saveCursor},
    {.kind = StepKind::slider, .label = wxTRANSLATE("BW"), .offset = 0x06, .maximum = 99,
        .defaultKind = DefaultKind::raw,
        .defaultValue = 49, .shownWhen = formant},
    {.kind = StepKind::box, .label = wxTRANSLATE("Skirt"), .offset = 0x05, .bitOffset = 3, .maximum = 7, .extent = 21,
        .pictures = skirtPictures, .shownWhen = formant},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Trsp"), .offset = 0x00, .maximum = 48, .extent = 32,
        .scaled = true,
        .displayOffset = Rational(-24), .shownWhen = formant},
    {.kind = StepKind::restoreCursor},
    {.kind = StepKind::button, .label = wxTRANSLATE("Sync"), .offset = 0x00, .bitOffset = 6, .maximum = 1,
        .labels = onOffLabels,
        .shownWhen = notFormant},
    {.kind = StepKind::box, .label = wxTRANSLATE("Skirt"), .offset = 0x05, .bitOffset = 3, .maximum = 7, .extent = 21,
        .pictures = skirtPictures, .shownWhen = form1to6},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Cutoff"), .offset = 0x06, .maximum = 99, .extent = 32,
        .shownWhen = form5to6},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Tune"), .offset = 0x07, .maximum = 30, .scaled = true,
        .displayOffset = Rational(-15)},
    endSection,
    title(wxTRANSLATE("Frequency")),
    {.kind = StepKind::custom, .custom = addVoicedMode},
    {.kind = StepKind::saveCursor},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Octve"), .offset = 0x01, .maximum = 31, .scaled = true,
        .displayOffset = Rational(-15), .shownWhen = fixedMode},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Fine"), .offset = 0x02, .maximum = 127, .scaled = true,
        .scale = Rational(12, 128), .shownWhen = fixedMode},
    {.kind = StepKind::slider, .label = wxTRANSLATE("KB%"), .offset = 0x03, .maximum = 99, .scaled = true,
        .scale = Rational(100, 99), .shownWhen = fixedMode, .shownAlso = formant},
    {.kind = StepKind::restoreCursor},
    {.kind = StepKind::slider, .label = wxTRANSLATE("X"), .offset = 0x01, .maximum = 31,
        .defaultKind = DefaultKind::raw,
        .defaultValue = 1, .labels = ratioLabels, .shownWhen = ratioMode},
    {.kind = StepKind::slider, .label = wxTRANSLATE("%(Fine)"), .offset = 0x02, .maximum = 99, .scaled = true,
        .displayOffset = Rational(100), .shownWhen = ratioMode},
    {.kind = StepKind::skip},
    endSection,
    {.kind = StepKind::custom, .custom = addVoicedFreqEg},
    {.kind = StepKind::custom, .custom = addVoicedEnvelope},
    title(wxTRANSLATE("KB")),
    plain(wxTRANSLATE("time"), 0x15, 7),
    endSection,
    alignTo(2),
    {.kind = StepKind::custom, .custom = addLevelScaling},
    alignTo(3),
    title(wxTRANSLATE("Bias")),
    centred(wxTRANSLATE("BW"), 0x04, 3),
    centred(wxTRANSLATE("Freq"), 0x1F, 3),
    centred(wxTRANSLATE("Env"), 0x22),
    title(wxTRANSLATE("Velo")),
    centred(wxTRANSLATE("Amp"), 0x21),
    centred(wxTRANSLATE("Freq"), 0x20),
    title(wxTRANSLATE("Mod")),
    plain(wxTRANSLATE("Amp"), 0x21, 7, 4),
    plain(wxTRANSLATE("Freq"), 0x20, 7, 4),
    plain(wxTRANSLATE("Pitch"), 0x1F, 7),
    endSection,
    alignTo(2),
    {.kind = StepKind::verticalSlider, .label = wxTRANSLATE("Level"), .offset = 0x16, .maximum = 99, .extent = 21},
    {.kind = StepKind::custom, .custom = addFeedbackAndLevelAdjust},
};

const SectionStep unvoicedSteps[] = {
    title(wxTRANSLATE("Noise Spectrum")),
    {.kind = StepKind::slider, .label = wxTRANSLATE("BW"), .offset = 0x27, .maximum = 99,
        .defaultKind = DefaultKind::raw,
        .defaultValue = 49},
    {.kind = StepKind::box, .label = wxTRANSLATE("Skirt"), .offset = 0x29, .maximum = 7, .extent = 21,
        .pictures = skirtPictures},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Trsp"), .offset = 0x23, .maximum = 48, .extent = 32,
        .scaled = true,
        .displayOffset = Rational(-24)},
    plain(wxTRANSLATE("Reso"), 0x29, 7, 3),
    endSection,
    title(wxTRANSLATE("Frequency")),
    {.kind = StepKind::custom, .custom = addUnvoicedMode},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Octve"), .offset = 0x24, .maximum = 25, .scaled = true,
        .displayOffset = Rational(-15), .shownWhen = normalMode},
    {.kind = StepKind::slider, .label = wxTRANSLATE("Fine"), .offset = 0x25, .maximum = 127, .scaled = true,
        .scale = Rational(12, 128), .shownWhen = normalMode},
    {.kind = StepKind::slider, .label = wxTRANSLATE("KB%"), .offset = 0x26, .maximum = 99, .scaled = true,
        .scale = Rational(100, 99), .shownWhen = normalMode},
    endSection,
    {.kind = StepKind::custom, .custom = addUnvoicedFreqEg},
    {.kind = StepKind::custom, .custom = addUnvoicedEnvelope},
    plain(wxTRANSLATE("time"), 0x39, 7),
    endSection,
    alignTo(2),
    {.kind = StepKind::custom, .custom = addUnvoicedLevelScaling},
    alignTo(3),
    title(wxTRANSLATE("Bias")),
    centred(wxTRANSLATE("BW"), 0x28),
    centred(wxTRANSLATE("Freq"), 0x3A),
    centred(wxTRANSLATE("Env"), 0x3D),
    title(wxTRANSLATE("Velo")),
    centred(wxTRANSLATE("Amp"), 0x3C),
    centred(wxTRANSLATE("Freq"), 0x3B),
    title(wxTRANSLATE("Mod")),
    plain(wxTRANSLATE("Amp"), 0x3C, 7, 4),
    plain(wxTRANSLATE("Freq"), 0x3B, 7, 4),
    {.kind = StepKind::skip},
    endSection,
    alignTo(2),
    {.kind = StepKind::verticalSlider, .label = wxTRANSLATE("Level"), .offset = 0x2E, .maximum = 99, .extent = 21},
};

void setOperatorGeometry(ControlGroup& group)
{
    group.setGeometry(32, 16, 14, 3);
    FlowSpacing& spacing = group.spacing();
    spacing.controlSpacing = 1;
    spacing.rowSpacing = 1;
    spacing.sectionSpacing = 1;
    spacing.defaultLength = 28;
}

// Opens operator k's row: its block, its own line index.
void startOperatorRow(VoicePanel& page, ControlGroup& group, int k)
{
    group.setBaseAddress(page.operatorBase(k));
    VoiceSectionSteps::closeOpenRow(group);
    group.setLineIndex(k);
}

std::shared_ptr<Condition> inRange(Parameter* source, std::int32_t low, std::int32_t high)
{
    return std::make_shared<ValueRangeCondition>(source, low, high);
}

SysexParameter* buildVoicedOperator(VoicePanel& page, int k, SysexParameter* feedback)
{
    ControlGroup& group = page.slot(VoicePanel::firstVoicedGroup + k);
    setOperatorGeometry(group);
    startOperatorRow(page, group, k);
    SysexParameter* form = VoiceSectionSteps::makeParameter(group, 0x04, 0, formantForm);
    SysexParameter* mode = VoiceSectionSteps::makeParameter(group, 0x05, 0, 1, 6);
    SectionContext context{page, group, k};
    context.conditions = {inRange(form, formantForm, formantForm), inRange(form, 0, formantForm - 1),
        inRange(form, 1, 6), inRange(form, 5, 6), inRange(mode, 1, 1), inRange(mode, 0, 0)};
    context.parameters = {mode, form, feedback};
    VoiceSectionSteps::run(context, voicedSteps);
    VoiceSectionSteps::recordExtent(group);
    return form;
}

void buildUnvoicedOperator(VoicePanel& page, ControlGroup& group, int k, SysexParameter* voicedForm)
{
    startOperatorRow(page, group, k);
    group.advance(group.resolveLength(0));
    SysexParameter* mode = VoiceSectionSteps::makeParameter(group, 0x24, 0, 2, 5);
    SectionContext context{page, group, k};
    context.conditions = {inRange(voicedForm, 0, formantForm - 1), inRange(mode, 0, 0)};
    context.parameters = {mode};
    VoiceSectionSteps::run(context, unvoicedSteps);
}

} // namespace

void VoiceSections::buildOperatorGroups(VoicePanel& page)
{
    SysexParameter* feedback = page.slot(VoicePanel::firstVoicedGroup)
                                   .factory()
                                   ->addSysexParameter(page.commonBase() + feedbackOffset, 0, 7, 0);
    std::array<SysexParameter*, VoicePanel::operatorCount> forms{};
    for (int k = 0; k < VoicePanel::operatorCount; ++k)
        forms[k] = buildVoicedOperator(page, k, feedback);
    ControlGroup& unvoiced = page.slot(VoicePanel::unvoicedGroup);
    setOperatorGeometry(unvoiced);
    for (int k = 0; k < VoicePanel::operatorCount; ++k)
        buildUnvoicedOperator(page, unvoiced, k, forms[k]);
    VoiceSectionSteps::recordExtent(unvoiced);
}
