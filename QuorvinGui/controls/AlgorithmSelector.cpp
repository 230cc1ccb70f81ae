#include "controls/AlgorithmSelector.h"

#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "gui/TextExtents.h"
#include "params/Parameter.h"
#include "text/WxText.h"

#include <algorithm>

#include <wx/dc.h>
#include <wx/intl.h>

namespace {

// Room between the caption block and the control's right edge.
constexpr int captionPadding = 12;
constexpr int captionIndent = 2;

// Shared by all selectors; taken on first use, after start-up has loaded the
// translations.
const wxString& presetCaption()
{
    static const wxString caption = _("Preset: ");
    return caption;
}

wxSize widestValueExtent(wxDC& dc, const Parameter& parameter)
{
    wxSize widest;
    for (std::int32_t raw = parameter.minimum(); raw <= parameter.maximum(); ++raw) {
        const wxSize extent = TextExtents::onContext(dc, toWxString(valueFaceText(parameter, raw)));
        widest.x = std::max(widest.x, extent.x);
        widest.y = std::max(widest.y, extent.y);
    }
    return widest;
}

} // namespace

AlgorithmSelector::AlgorithmSelector(wxWindow* parent, const ControlStyle& style) : AlgorithmControl(parent, style)
{
}

const AlgorithmGraph& AlgorithmSelector::currentAlgorithm() const
{
    const Parameter* parameter = mainParameter();
    return algorithmOfValue(parameter ? parameter->getValue() : -1);
}

void AlgorithmSelector::onMouseDown(wxMouseEvent&) { openPopup(); }

void AlgorithmSelector::draw(wxDC& dc, const wxRegion&, bool, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.x, size.y);
    drawCaption(dc, size.x);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    const int border = style().borderWidth;
    drawDiagram(dc, currentAlgorithm(), selectorDiagramGeometry, border, size.y - border);
}

// Placed for the widest value, so the caption does not move as values change.
void AlgorithmSelector::drawCaption(wxDC& dc, int width) const
{
    useFont(dc, style().fixedFont);
    dc.SetTextForeground(style().colour4);
    const wxSize captionExtent = dc.GetTextExtent(presetCaption());
    const Parameter* parameter = mainParameter();
    const int valueWidth = parameter ? widestValueExtent(dc, *parameter).x : 0;
    const int x = width - (captionExtent.x + valueWidth + captionPadding) + captionIndent;
    dc.DrawText(presetCaption(), x, 0);
    dc.DrawText(toWxString(currentValueText(parameter)), x + captionExtent.x, 0);
}
