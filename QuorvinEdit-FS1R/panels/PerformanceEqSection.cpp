// The page's master three-band equaliser: a shape switch for the outer
// bands, then frequency, Q and gain for each band.
#include "panels/PerformancePanel.h"

#include "controls/HorizontalSlider.h"
#include "gui/ControlStyle.h"
#include "controls/ValueButton.h"
#include "instrument/Fs1rValueLabels.h"
#include "panels/ControlAdding.h"
#include "panels/GroupCursor.h"
#include "panels/TranslatedLabels.h"

#include <wx/translation.h>

#include <vector>

namespace {

constexpr std::int32_t eqFrequencyTable = 8;
constexpr int titleLength = 16;
constexpr int bandGap = 5;
constexpr std::int32_t qMinimum = 1;
constexpr std::int32_t qMaximum = 120;
constexpr std::int32_t gainMinimum = 52;
constexpr std::int32_t gainMaximum = 76;
constexpr std::int32_t gainCentre = 64;
// Display 1.0.
constexpr Rational qDefault(1);

enum class EqKind { shape, frequency, q, gain };

struct EqControl {
    const char* label;
    EqKind kind;
    PackedAddress address;
    std::int32_t minimum;
    std::int32_t maximum;
    const char16_t* defaultLabel;
    // A gap between the bands follows.
    bool lastOfBand;
};

const std::vector<EqControl> eqControls{
    {wxTRANSLATE("Low shape"), EqKind::shape, 0x100137, 0, 1, nullptr, false},
    {wxTRANSLATE("Low freq"), EqKind::frequency, 0x100135, 4, 40, u"180", false},
    {wxTRANSLATE("Low Q"), EqKind::q, 0x100136, qMinimum, qMaximum, nullptr, false},
    {wxTRANSLATE("Low gain"), EqKind::gain, 0x100134, gainMinimum, gainMaximum, nullptr, true},
    {wxTRANSLATE("Mid freq"), EqKind::frequency, 0x100139, 14, 54, u"1.0k", false},
    {wxTRANSLATE("Mid Q"), EqKind::q, 0x10013A, qMinimum, qMaximum, nullptr, false},
    {wxTRANSLATE("Mid gain"), EqKind::gain, 0x100138, gainMinimum, gainMaximum, nullptr, true},
    {wxTRANSLATE("High shape"), EqKind::shape, 0x10013E, 0, 1, nullptr, false},
    {wxTRANSLATE("High freq"), EqKind::frequency, 0x10013C, 28, 58, u"8.0k", false},
    {wxTRANSLATE("High Q"), EqKind::q, 0x10013D, qMinimum, qMaximum, nullptr, false},
    {wxTRANSLATE("High gain"), EqKind::gain, 0x10013B, gainMinimum, gainMaximum, nullptr, false},
};

void addEqControl(ControlGroup& group, const EqControl& entry)
{
    static const TranslatedLabels shapes{wxTRANSLATE("shelving"), wxTRANSLATE("peaking")};
    const RefString label = PerformancePanel::text(entry.label);
    if (entry.kind == EqKind::shape) {
        addValueButtonAt(group, label, entry.address, entry.minimum, entry.maximum, 0, 0, 0)
            .setValueLabels(shapes.list());
        return;
    }
    HorizontalSlider& slider =
        addSliderAt(group, label, entry.address, entry.minimum, entry.maximum, 0, 0, 0);
    switch (entry.kind) {
    case EqKind::frequency:
        slider.setValueLabels(getValueLabels(eqFrequencyTable));
        slider.setDefaultLabel(RefString(entry.defaultLabel));
        break;
    case EqKind::q:
        slider.setDisplayScale(Rational(1, 10), Rational(0));
        slider.setDefaultDisplayValue(qDefault);
        break;
    default:
        slider.setDisplayScale(Rational(1), Rational(-gainCentre));
        break;
    }
}

} // namespace

void PerformancePanel::buildEqGroup()
{
    ControlGroup& group = *this->group(eqGroup);
    group.setGeometry(80, 60, 0, 3);
    FlowSpacing& spacing = group.spacing();
    spacing.defaultLength = 16;
    spacing.controlSpacing = 0;
    spacing.rowSpacing = 0;
    spacing.sectionSpacing = 0;
    group.addTextItem(PerformancePanel::text(wxTRANSLATE("3 band EQ")), titleLength, ControlStyle::largeText, false);
    for (const EqControl& entry : eqControls) {
        addEqControl(group, entry);
        if (entry.lastOfBand)
            group.cursor().along += bandGap + spacing.controlSpacing;
    }
    GroupCursor::closeExtent(group);
}
