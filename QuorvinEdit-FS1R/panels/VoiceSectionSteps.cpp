#include "panels/VoiceSectionSteps.h"

#include "panels/ControlAdding.h"
#include "panels/PageBitmaps.h"
#include "sysex/PackedAddress.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <wx/intl.h>

#include <algorithm>

constexpr Rational levelCentre{-50};

namespace {

Control& addSimpleControl(ControlGroup& group, const SectionStep& step)
{
    const RefString label = VoiceSectionSteps::text(step.label);
    constexpr int labelStyle = 0;
    switch (step.kind) {
    case StepKind::verticalSlider:
        return addVerticalSliderAt(group, label, step.offset, step.minimum, step.maximum, step.bitOffset, step.extent,
            labelStyle);
    case StepKind::choice:
        return addChoiceAt(group, label, step.offset, step.minimum, step.maximum, step.bitOffset, step.extent,
            labelStyle);
    case StepKind::button:
        return addValueButtonAt(group, label, step.offset, step.minimum, step.maximum, step.bitOffset, step.extent,
            labelStyle);
    case StepKind::box:
        return addValueBoxAt(group, label, step.offset, step.minimum, step.maximum, step.bitOffset, step.extent,
            labelStyle);
    default:
        return addSliderAt(group, label, step.offset, step.minimum, step.maximum, step.bitOffset, step.extent,
            labelStyle);
    }
}

void align(FlowCursor& cursor, int controlSpacing, int amount)
{
    cursor.along = cursor.along == 0 ? amount : cursor.along - controlSpacing + amount;
}

void setSpacing(FlowSpacing& spacing, const std::array<int, 4>& numbers)
{
    int* const fields[] = {&spacing.defaultLength, &spacing.controlSpacing, &spacing.rowSpacing,
        &spacing.sectionSpacing};
    for (std::size_t k = 0; k < numbers.size(); ++k)
        if (numbers[k] != keep)
            *fields[k] = numbers[k];
}

void runStep(SectionContext& context, const SectionStep& step)
{
    ControlGroup& group = context.group;
    switch (step.kind) {
    case StepKind::title:
        group.beginSection(VoiceSectionSteps::text(step.label));
        break;
    case StepKind::nextRow: {
        // A repeated line keeps its index across its rows.
        const int line = group.lineIndex();
        group.nextRow(step.extent != 0 ? step.extent : ControlFlow::noExtra);
        group.setLineIndex(line);
        break;
    }
    case StepKind::endSection:
        group.endSection();
        break;
    case StepKind::saveCursor:
        context.savedCursor = group.cursor();
        break;
    case StepKind::restoreCursor:
        group.cursor().along = context.savedCursor.along;
        group.cursor().across = context.savedCursor.across;
        break;
    case StepKind::skip:
        group.advance(group.resolveLength(step.extent));
        break;
    case StepKind::align:
        align(group.cursor(), group.spacing().controlSpacing, step.extent);
        break;
    case StepKind::geometry:
        group.setGeometry(step.numbers[0], step.numbers[1], step.numbers[2], step.numbers[3]);
        break;
    case StepKind::spacing:
        setSpacing(group.spacing(), step.numbers);
        break;
    case StepKind::caption:
        group.addTextItem(VoiceSectionSteps::text(step.label), step.extent, step.numbers[0], false);
        break;
    case StepKind::custom:
        step.custom(context);
        break;
    default:
        VoiceSectionSteps::addControl(context, step);
        break;
    }
}

} // namespace

void VoiceSectionSteps::run(SectionContext& context, std::span<const SectionStep> steps)
{
    for (const SectionStep& step : steps)
        runStep(context, step);
}

Control& VoiceSectionSteps::addControl(SectionContext& context, const SectionStep& step)
{
    Control& control = addSimpleControl(context.group, step);
    applyDisplay(control, step);
    for (const int condition : {step.shownWhen, step.shownAlso})
        if (condition != alwaysShown)
            control.shownConditions().addAlternative(context.conditions.at(condition));
    return control;
}

void VoiceSectionSteps::applyDisplay(Control& control, const SectionStep& step)
{
    if (step.labels)
        control.setValueLabels(step.labels());
    if (step.pictures != noPictures)
        control.setValueBitmaps(PageBitmaps::pictures(static_cast<PageBitmaps::Set>(step.pictures)).data(), false);
    if (step.scaled)
        control.setDisplayScale(step.scale, step.displayOffset);
    switch (step.defaultKind) {
    case DefaultKind::raw:
        control.setDefaultValue(step.defaultValue);
        break;
    case DefaultKind::display:
        control.setDefaultDisplayValue(Rational(step.defaultValue));
        break;
    case DefaultKind::label:
        // Note names are the instrument's, never translated.
        control.setDefaultLabel(fromWxString(wxString::FromUTF8(step.defaultLabel)));
        break;
    case DefaultKind::none:
        break;
    }
}

RefString VoiceSectionSteps::text(const char* label)
{
    return label ? fromWxString(wxGetTranslation(label)) : RefString(u"");
}

void VoiceSectionSteps::closeOpenRow(ControlGroup& group)
{
    if (group.cursor().along > 0)
        group.nextRow(ControlFlow::noExtra);
}

void VoiceSectionSteps::recordExtent(ControlGroup& group)
{
    FlowCursor& cursor = group.cursor();
    cursor.alongExtent = std::max(cursor.alongExtent, cursor.along);
}

SysexParameter* VoiceSectionSteps::makeParameter(ControlGroup& group, PackedAddress offset, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset)
{
    return group.factory()->addSysexParameter(sumPackedAddresses(group.baseAddress(), offset), minimum, maximum,
        bitOffset);
}

EnvelopeControl& VoiceSectionSteps::addEnvelope(ControlGroup& group, const char* label, int extent,
    std::span<const EnvelopePoint> points)
{
    std::vector<SysexParameter*> parameters;
    for (const EnvelopePoint& point : points)
        parameters.push_back(point.bound ? makeParameter(group, point.offset, 0, point.maximum) : nullptr);
    EnvelopeControl& envelope = ::addEnvelope(group, text(label), extent);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const EnvelopePoint& point = points[k];
        envelope.bindParameter(parameters[k], point.role);
        if (!point.bound)
            continue;
        if (point.centred)
            envelope.setDisplayScale(Rational(1), levelCentre);
        if (point.defaultKind == DefaultKind::raw)
            envelope.setDefaultValue(point.defaultValue);
    }
    return envelope;
}
