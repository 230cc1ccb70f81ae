// The page's eight controller sets, one row each: the sources that drive
// the set, its depth and destination, and the parts it acts on.
#include "panels/PerformancePanel.h"

#include "controls/ChoiceControl.h"
#include "controls/HorizontalSlider.h"
#include "controls/ValueButton.h"
#include "instrument/Fs1rDestinationLabels.h"
#include "panels/ControlAdding.h"
#include "panels/GroupCursor.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"

#include <wx/dcmemory.h>
#include <wx/translation.h>

#include <array>

namespace {

constexpr int controllerSetCount = 8;
constexpr PackedAddress partSwitches = 0x100028;
constexpr PackedAddress sourceSwitches = 0x100030;
constexpr PackedAddress destination = 0x100040;
constexpr PackedAddress depth = 0x100048;
constexpr std::int32_t lastDestination = 47;
constexpr std::int32_t depthCentre = 64;
constexpr int depthGap = 6;
constexpr int depthLength = 64;
constexpr int destinationGap = 18;
constexpr int destinationLength = 92;
constexpr int switchSize = 15;
constexpr int partCount = 4;

struct SourceSwitch {
    const char* label;
    std::uint32_t bit;
};

const std::array<SourceSwitch, 14> sources{{
    {wxTRANSLATE("KN1"), 0},
    {wxTRANSLATE("KN2"), 1},
    {wxTRANSLATE("KN3"), 2},
    {wxTRANSLATE("KN4"), 3},
    {wxTRANSLATE("MC1"), 4},
    {wxTRANSLATE("MC2"), 5},
    {wxTRANSLATE("MC3"), 11},
    {wxTRANSLATE("MC4"), 13},
    {wxTRANSLATE("FC"), 9},
    {wxTRANSLATE("BC"), 10},
    {wxTRANSLATE("MW"), 12},
    {wxTRANSLATE("CAT"), 7},
    {wxTRANSLATE("PAT"), 8},
    {wxTRANSLATE("PB"), 6},
}};

wxBitmap drawSwitch(bool on)
{
    wxBitmap bitmap(switchSize, switchSize);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(wxColour(60, 70, 60)));
    dc.Clear();
    dc.SetPen(wxPen(wxColour(20, 30, 20)));
    dc.SetBrush(wxBrush(on ? wxColour(120, 240, 80) : wxColour(40, 70, 40)));
    dc.DrawCircle(switchSize / 2, switchSize / 2, switchSize / 2 - 2);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

// Off and on; made once, kept to the end of the program.
const wxBitmap* switchImages()
{
    static const std::array<wxBitmap, 2> images{drawSwitch(false), drawSwitch(true)};
    return images.data();
}

void addSwitch(ControlGroup& group, const char* label, Parameter* bit)
{
    addValueButton(group, PerformancePanel::text(label), bit, 0, 0).setValueBitmaps(switchImages(), false);
}

void addControllerSet(ControlGroup& group, int set)
{
    ParameterFactory& factory = *group.factory();
    group.setBaseAddress(static_cast<PackedAddress>(2 * set));
    const PackedAddress sourceEntry = sumPackedAddresses(group.baseAddress(), sourceSwitches);
    for (const SourceSwitch& source : sources)
        addSwitch(group, source.label, factory.addSysexParameter(sourceEntry, 0, 1, source.bit));

    group.setBaseAddress(static_cast<PackedAddress>(set));
    GroupCursor::gap(group, depthGap);
    addSliderAt(group, PerformancePanel::text(wxTRANSLATE("Depth")), depth, 0, 127, 0, depthLength, 0)
        .setDisplayScale(Rational(1), Rational(-depthCentre));
    GroupCursor::gap(group, destinationGap);
    addChoiceAt(group, PerformancePanel::text(wxTRANSLATE("Destination")), destination, 0, lastDestination, 0,
        destinationLength, 0)
        .setValueLabels(getDestinationLabels());
    const PackedAddress partEntry = sumPackedAddresses(group.baseAddress(), partSwitches);
    static const std::array<const char*, partCount> partLabels{"1", "2", "3", "4"};
    for (std::uint32_t part = 0; part < partCount; ++part)
        addSwitch(group, partLabels[part], factory.addSysexParameter(partEntry, 0, 1, part));
}

} // namespace

void PerformancePanel::buildControllerGroup()
{
    ControlGroup& group = *this->group(controllerGroup);
    group.setGeometry(15, 16, 0, 3);
    FlowSpacing& spacing = group.spacing();
    spacing.controlSpacing = 0;
    spacing.rowSpacing = 0;
    spacing.sectionSpacing = 0;
    spacing.defaultLength = 23;
    for (int set = 0; set < controllerSetCount; ++set) {
        GroupCursor::startLine(group);
        group.setLineIndex(set);
        addControllerSet(group, set);
    }
    GroupCursor::closeExtent(group);
}
