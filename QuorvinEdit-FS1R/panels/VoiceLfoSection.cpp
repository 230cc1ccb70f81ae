// The two LFO groups of a voice page.
#include "panels/PageBitmaps.h"
#include "panels/TranslatedLabels.h"
#include "panels/VoicePanel.h"
#include "panels/VoiceSectionSteps.h"
#include "panels/VoiceSections.h"

namespace {

const LabelList* onOffLabels()
{
    static const TranslatedLabels labels{wxTRANSLATE("OFF"), wxTRANSLATE("ON")};
    return labels.list();
}

constexpr int formPictures = static_cast<int>(PageBitmaps::Set::lfoFormBitmaps);
constexpr int phasePictures = static_cast<int>(PageBitmaps::Set::lfoPhaseBitmaps);

SectionStep depth(const char* label, PackedAddress offset)
{
    return {.kind = StepKind::slider, .label = label, .offset = offset, .maximum = 99};
}

const SectionStep openingSteps[] = {
    {.kind = StepKind::geometry, .numbers = {30, 30, 0, 3}},
    {.kind = StepKind::spacing, .numbers = {20, 5, 4, 0}},
};
const SectionStep secondColumn = {.kind = StepKind::geometry, .numbers = {48, 30, 0, 3}};
const SectionStep nextColumn = {.kind = StepKind::nextRow};

const SectionStep lfo1Steps[] = {
    openingSteps[0],
    openingSteps[1],
    {.kind = StepKind::choice, .label = wxTRANSLATE("Form"), .offset = 0x10, .maximum = 5, .extent = 28,
        .pictures = formPictures},
    {.kind = StepKind::button, .label = wxTRANSLATE("KSync"), .offset = 0x13, .maximum = 1, .labels = onOffLabels},
    nextColumn,
    secondColumn,
    {.kind = StepKind::spacing, .numbers = {24, keep, keep, keep}},
    depth(wxTRANSLATE("Speed"), 0x11),
    depth(wxTRANSLATE("Delay"), 0x12),
    nextColumn,
    {.kind = StepKind::spacing, .numbers = {13, 1, 4, 0}},
    depth(wxTRANSLATE("Pitch"), 0x15),
    depth(wxTRANSLATE("Amp"), 0x16),
    depth(wxTRANSLATE("Freq"), 0x17),
    depth(wxTRANSLATE("Filter"), 0x59),
};

const SectionStep lfo2Steps[] = {
    openingSteps[0],
    openingSteps[1],
    {.kind = StepKind::choice, .label = wxTRANSLATE("Form"), .offset = 0x18, .maximum = 5, .extent = 28,
        .pictures = formPictures},
    {.kind = StepKind::button, .label = wxTRANSLATE("KSync"), .offset = 0x1D, .maximum = 1, .labels = onOffLabels},
    nextColumn,
    secondColumn,
    {.kind = StepKind::spacing, .numbers = {24, keep, keep, keep}},
    depth(wxTRANSLATE("Speed"), 0x19),
    {.kind = StepKind::choice, .label = wxTRANSLATE("Phase"), .offset = 0x1C, .maximum = 3,
        .pictures = phasePictures},
    nextColumn,
    {.kind = StepKind::spacing, .numbers = {13, keep, keep, keep}},
    depth(wxTRANSLATE("Filter"), 0x5A),
};

void buildLfo(VoicePanel& page, std::size_t slot, std::span<const SectionStep> steps)
{
    ControlGroup& group = page.slot(slot);
    group.setBaseAddress(page.commonBase());
    SectionContext context{page, group};
    VoiceSectionSteps::run(context, steps);
    VoiceSectionSteps::recordExtent(group);
}

} // namespace

void VoiceSections::buildLfoGroups(VoicePanel& page)
{
    buildLfo(page, VoicePanel::lfo1Group, lfo1Steps);
    buildLfo(page, VoicePanel::lfo2Group, lfo2Steps);
}
