// The page's four part columns, each the same list of part settings at the
// part's own block (0x30 .. 0x33 in the high byte); only the first column
// carries the row labels.
#include "panels/PerformancePanel.h"

#include "conditions/ParameterRangeLink.h"
#include "conditions/ValueRangeCondition.h"
#include "controls/CaptionControl.h"
#include "controls/ChoiceControl.h"
#include "controls/EnvelopeShape.h"
#include "controls/GridSelectorControl.h"
#include "controls/HorizontalRangeControl.h"
#include "controls/HorizontalSlider.h"
#include "controls/PartEnvelopeControl.h"
#include "controls/ScalingCurveControl.h"
#include "controls/ValueButton.h"
#include "controls/ZoneControl.h"
#include "gui/ControlStyle.h"
#include "instrument/Fs1rValueLabels.h"
#include "panels/ControlAdding.h"
#include "panels/GroupCursor.h"
#include "panels/TranslatedLabels.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"

#include <wx/translation.h>

#include <vector>

namespace {

constexpr int partCount = 4;
// Most part settings are offsets around this raw value.
constexpr std::int32_t centre = 64;
constexpr PackedAddress partStep = 0x010000;
constexpr std::int32_t noteTable = 2;
constexpr std::int32_t channelTable = 4;
// MIDI channel -1 (off) must be stored as 0x7F.
constexpr std::uint32_t channelFieldWidth = 7;
constexpr std::int32_t lastChannel = 15;
// How far above the receive channel the highest channel of a part may lie.
constexpr std::int32_t channelSpan = 12;
constexpr int maxCaptionAcross = 50;
constexpr int maxCaptionDepth = 40;
constexpr int maxChoiceAcross = 90;
constexpr int maxChoiceDepth = 36;
constexpr int zoneLength = 48;
constexpr int curveLength = 48;
constexpr int trackingLength = 32;
constexpr int envelopeLength = 48;

// A part column's rows after the MIDI channels, in building order.
enum class Row { slider, heading, pitchBend, zone, velocityCurve, sustain, portamento, panHeading,
    tracking, operatorEnvelope, pitchEnvelope };

struct PartRow {
    Row row;
    const char* label;
    PackedAddress address = 0;
    std::int32_t maximum = 127;
    // The raw value a slider shows as 0.
    std::int32_t centre = 0;
};

const std::vector<PartRow> partRows{
    {Row::slider, wxTRANSLATE("Note shift"), 0x300008, 48, 24},
    {Row::slider, wxTRANSLATE("Detune"), 0x300009, 127, centre},
    {Row::pitchBend, wxTRANSLATE("Pitch bend")},
    {Row::slider, wxTRANSLATE("Poly rsrv"), 0x300000, 32},
    {Row::zone, wxTRANSLATE("Vel/KB range")},
    {Row::velocityCurve, wxTRANSLATE("Velo depth")},
    {Row::sustain, wxTRANSLATE("Sust rcv"), 0x30002D, 1},
    {Row::slider, wxTRANSLATE("Exp limit"), 0x30002C},
    {Row::heading, wxTRANSLATE("Tone")},
    {Row::slider, wxTRANSLATE("FM"), 0x30001E, 127, centre},
    {Row::slider, wxTRANSLATE("Formant"), 0x30001D, 127, centre},
    {Row::slider, wxTRANSLATE("U/V bal"), 0x30000A, 127, centre},
    {Row::heading, wxTRANSLATE("Filter")},
    {Row::slider, wxTRANSLATE("Cutoff"), 0x300018, 127, centre},
    {Row::slider, wxTRANSLATE("Reso"), 0x300019, 127, centre},
    {Row::slider, wxTRANSLATE("Env"), 0x30001F, 127, centre},
    {Row::heading, wxTRANSLATE("LFO1")},
    {Row::slider, wxTRANSLATE("Speed"), 0x300015, 127, centre},
    {Row::slider, wxTRANSLATE("Pitch"), 0x300016, 127, centre},
    {Row::slider, wxTRANSLATE("Delay"), 0x300017, 127, centre},
    {Row::heading, wxTRANSLATE("LFO2")},
    {Row::slider, wxTRANSLATE("Speed"), 0x30002E, 127, centre},
    {Row::slider, wxTRANSLATE("Filter"), 0x30002F, 127, centre},
    {Row::heading, wxTRANSLATE("Porta")},
    {Row::portamento, wxTRANSLATE("Mode")},
    {Row::slider, wxTRANSLATE("Time"), 0x300025, 127, centre},
    {Row::panHeading, wxTRANSLATE("Pan")},
    {Row::slider, wxTRANSLATE("LFO"), 0x300029, 99},
    {Row::tracking, wxTRANSLATE("KB track")},
    {Row::operatorEnvelope, wxTRANSLATE("Op + Filt ENV")},
    {Row::pitchEnvelope, wxTRANSLATE("Pitch ENV")},
};

// A role of a part envelope and the offset of its parameter; none keeps the
// envelope's fixed point.
struct EnvelopeRole {
    RoleId role;
    std::optional<PackedAddress> address;
};

const std::vector<EnvelopeRole> operatorEnvelopeRoles{
    {EnvelopeShape::attackTime, 0x30001A},
    {EnvelopeShape::attackLevel, std::nullopt},
    {EnvelopeShape::decayTime, 0x30001B},
    {EnvelopeShape::sustainLevel, std::nullopt},
    {EnvelopeShape::releaseTime, 0x30001C},
};

const std::vector<EnvelopeRole> pitchEnvelopeRoles{
    {EnvelopeShape::startLevel, 0x300020},
    {EnvelopeShape::attackTime, 0x300021},
    {EnvelopeShape::sustainLevel, std::nullopt},
    {EnvelopeShape::endLevel, 0x300022},
    {EnvelopeShape::releaseTime, 0x300023},
};

// The default is taken as the parameter's own and set without recording.
void setParameterDefault(Parameter& parameter, std::int32_t raw)
{
    parameter.setDefaultValue(raw);
    parameter.setValue(flagsConstruct, raw);
}

class PartColumnBuilder {
public:
    PartColumnBuilder(ControlGroup& group, int part, const wxBrush& zoneBrush, const wxBrush& curveBrush)
        : group_(group), part_(part), zoneBrush_(zoneBrush), curveBrush_(curveBrush)
    {
    }

    void build()
    {
        addChannels();
        for (const PartRow& row : partRows)
            addRow(row);
    }

private:
    SysexParameter* makeParameter(PackedAddress offset, std::int32_t minimum, std::int32_t maximum,
        std::uint32_t bitOffset = 0) const
    {
        return group_.factory()->addSysexParameter(
            sumPackedAddresses(group_.baseAddress(), offset), minimum, maximum, bitOffset);
    }

    SysexParameter* makeChannelParameter(PackedAddress offset, std::int32_t maximum) const
    {
        SysexParameter* parameter = makeParameter(offset, -1, maximum);
        parameter->setBitWidth(channelFieldWidth);
        return parameter;
    }

    // The receive channel; parts 1 and 2 also show the highest channel they
    // answer on, on the same row, while the receive channel is a channel.
    void addChannels()
    {
        const int rowStart = group_.cursor().along;
        SysexParameter* channel = makeChannelParameter(0x300004, lastChannel + 1);
        ChoiceControl& channelChoice = addChoice(group_, PerformancePanel::text(wxTRANSLATE("MIDI CH")), channel, 0,
            0);
        channelChoice.setValueLabels(getValueLabels(channelTable)).setDefaultValue(part_);
        if (part_ >= 2)
            return;
        // Narrowed to end before "max:", which would otherwise cover its value.
        channelChoice.setSize(maxCaptionAcross - 2, channelChoice.window()->GetSize().y);
        const int rowEnd = group_.cursor().along;
        group_.cursor().along = rowStart;
        auto receiving = std::make_shared<ValueRangeCondition>(channel, 0, lastChannel);
        auto caption = std::make_unique<CaptionControl>(group_.window(), group_.captionStyle(),
            PerformancePanel::text(wxTRANSLATE("max:")), ControlStyle::fixedText);
        caption->shownConditions().addRequired(receiving);
        group_.addControl(std::move(caption), maxCaptionDepth, maxCaptionAcross, 0);

        SysexParameter* highest = makeChannelParameter(0x300003, lastChannel);
        std::unique_ptr<ChoiceControl> choice = newChoice(group_);
        ChoiceControl& highestChoice = *choice;
        highestChoice.shownConditions().addRequired(receiving);
        group_.addControl(std::move(choice), maxChoiceDepth, maxChoiceAcross, 0);
        highestChoice.bindParameter(highest);
        highestChoice.setValueLabels(getValueLabels(channelTable)).setDefaultValue(part_);
        channel->addPostDependent(highest, highest);
        // Both choices display their channel one above the raw value, so
        // the display links raw channel to raw channel.
        ParameterRangeLink& span = ParameterRangeLink::create(channel, channelSpan, 0);
        span.setDisplaySource(true);
        span.addTarget(highest);
        group_.cursor().along = rowEnd;
    }

    void addRow(const PartRow& row)
    {
        switch (row.row) {
        case Row::slider: {
            HorizontalSlider& slider
                = addSliderAt(group_, PerformancePanel::text(row.label), row.address, 0, row.maximum, 0, 0, 0);
            if (row.centre != 0)
                slider.setDisplayScale(Rational(1), Rational(-row.centre));
            break;
        }
        case Row::panHeading:
            group_.spacing().controlSpacing = 5;
            group_.beginSection(PerformancePanel::text(row.label));
            break;
        case Row::heading:
            group_.beginSection(PerformancePanel::text(row.label));
            break;
        case Row::pitchBend:
            addPitchBend(row);
            break;
        case Row::zone:
            addZone(row);
            break;
        case Row::velocityCurve:
            addVelocityCurve(row);
            break;
        case Row::sustain: {
            static const TranslatedLabels offOn{wxTRANSLATE("OFF"), wxTRANSLATE("ON")};
            addValueButtonAt(group_, PerformancePanel::text(row.label), row.address, 0, row.maximum, 0, 0, 0)
                .setValueLabels(offOn.list())
                .setDefaultLabel(offOn.list()->get(1));
            break;
        }
        case Row::portamento:
            addPortamento(row);
            break;
        case Row::tracking:
            addTracking(row);
            break;
        case Row::operatorEnvelope:
            addEnvelope(row, operatorEnvelopeRoles);
            break;
        case Row::pitchEnvelope:
            addEnvelope(row, pitchEnvelopeRoles);
            break;
        }
    }

    void addPitchBend(const PartRow& row)
    {
        constexpr std::int32_t lowest = 16;
        constexpr std::int32_t highest = 88;
        constexpr std::int32_t bendDown = centre - 2;
        constexpr std::int32_t bendUp = centre + 2;
        HorizontalRangeControl& range = addHorizontalRange(group_, PerformancePanel::text(row.label), 0);
        Parameter* low = makeParameter(0x300027, lowest, highest);
        range.bindParameter(low, RangeControl::roleMin);
        setParameterDisplayScale(low, true, Rational(1), Rational(-centre));
        setParameterDefault(*low, bendDown);
        Parameter* high = makeParameter(0x300026, lowest, highest);
        range.bindParameter(high, RangeControl::roleMax);
        setParameterDisplayScale(high, true, Rational(1), Rational(-centre));
        setParameterDefault(*high, bendUp);
    }

    void addZone(const PartRow& row)
    {
        const ValueLabels* notes = getValueLabels(noteTable);
        ZoneControl& zone = addKeyVelocityZone(group_, PerformancePanel::text(row.label), zoneLength);
        zone.setFreeSides(true);
        zone.setZoneBrush(&zoneBrush_);
        // A part starts playing every key at every velocity: the high
        // sides start at the top of their ranges.
        Parameter* highestKey = makeParameter(0x300010, 0, 127);
        setParameterDefault(*highestKey, highestKey->maximum());
        zone.bindParameter(highestKey, ZoneControl::rightSide);
        zone.setValueLabels(notes);
        zone.bindParameter(makeParameter(0x30000F, 0, 127), ZoneControl::leftSide);
        zone.setValueLabels(notes);
        Parameter* highestVelocity = makeParameter(0x30002B, 1, 127);
        setParameterDefault(*highestVelocity, highestVelocity->maximum());
        zone.bindParameter(highestVelocity, ZoneControl::topSide);
        zone.bindParameter(makeParameter(0x30002A, 1, 127), ZoneControl::bottomSide);
    }

    void addVelocityCurve(const PartRow& row)
    {
        constexpr int rightSideOnly = 2;
        constexpr int baselineAtBottom = 3;
        ScalingCurveControl& curve = addScalingCurve(group_, PerformancePanel::text(row.label), curveLength);
        curve.setSideMode(rightSideOnly);
        curve.setBaselineMode(baselineAtBottom);
        curve.setFillBrush(curveBrush_);
        Parameter* slope = makeParameter(0x30000C, 0, 127);
        curve.bindParameter(slope, ScalingCurveControl::roleSlope);
        setParameterDisplayScale(slope, true, Rational(2, 127), Rational(0));
        setParameterDefault(*slope, slope->rawFromDisplay(Rational(1)));
        Parameter* offset = makeParameter(0x30000D, 0, 127);
        curve.bindParameter(offset, ScalingCurveControl::roleOffset);
        setParameterDisplayScale(offset, true, Rational(2, 127), Rational(-1));
    }

    void addPortamento(const PartRow& row)
    {
        static const TranslatedLabels modes{wxTRANSLATE("Fingered"), wxTRANSLATE("Full time")};
        GridSelectorControl& grid = addGridSelector(group_, PerformancePanel::text(row.label), 0);
        grid.bindParameter(makeParameter(0x300024, 0, 1, 0), GridSelectorControl::roleRow);
        grid.setItemLabels(modes.list());
        grid.bindParameter(makeParameter(0x300024, 0, 1, 1), GridSelectorControl::roleColumn);
        grid.setLabels(PerformancePanel::text(wxTRANSLATE("OFF")), RefString());
    }

    void addTracking(const PartRow& row)
    {
        constexpr int bothSides = 0;
        constexpr int baselineInMiddle = 0;
        ScalingCurveControl& curve = addScalingCurve(group_, PerformancePanel::text(row.label), trackingLength);
        curve.setSideMode(bothSides);
        curve.setBaselineMode(baselineInMiddle);
        Parameter* slope = makeParameter(0x300028, 0, 100);
        curve.bindParameter(slope, ScalingCurveControl::roleSlope);
        setParameterDisplayScale(slope, true, Rational(2, 100), Rational(-1));
        group_.endSection();
    }

    // The parameters are made last role first, then bound in role order.
    void addEnvelope(const PartRow& row, const std::vector<EnvelopeRole>& roles)
    {
        std::vector<Parameter*> parameters(roles.size(), nullptr);
        for (std::size_t k = roles.size(); k-- > 0;)
            if (roles[k].address)
                parameters[k] = makeParameter(*roles[k].address, 0, 127);
        PartEnvelopeControl& envelope = addPartEnvelope(group_, PerformancePanel::text(row.label), envelopeLength);
        for (std::size_t k = 0; k < roles.size(); ++k) {
            envelope.bindParameter(parameters[k], roles[k].role);
            if (parameters[k])
                setParameterDisplayScale(parameters[k], true, Rational(1), Rational(-centre));
        }
    }

    ControlGroup& group_;
    int part_;
    const wxBrush& zoneBrush_;
    const wxBrush& curveBrush_;
};

} // namespace

void PerformancePanel::buildPartGroup()
{
    ControlGroup& group = *this->group(partGroup);
    group.spacing().defaultLength = 15;
    group.setGeometry(130, 80, 58, 20);
    for (int part = 0; part < partCount; ++part) {
        GroupCursor::startLine(group);
        group.setLineIndex(part);
        group.setBaseAddress(static_cast<PackedAddress>(part) * partStep);
        FlowSpacing& spacing = group.spacing();
        spacing.controlSpacing = 1;
        spacing.rowSpacing = 3;
        spacing.sectionSpacing = 0;
        PartColumnBuilder(group, part, zoneBrush_, curveBrush_).build();
    }
    GroupCursor::closeExtent(group);
}
