#include "controls/VerticalRangeControl.h"

#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "params/Parameter.h"

VerticalRangeControl::VerticalRangeControl(wxWindow* parent, const ControlStyle& style)
    : RangeControl(parent, style)
{
}

int VerticalRangeControl::trackLength() const
{
    return clientSize().GetHeight();
}

int VerticalRangeControl::crossLength() const
{
    return clientSize().GetWidth();
}

// Track positions count from the bottom, as y grows downward.
int VerticalRangeControl::pointerPosition(int, int y) const
{
    return trackLength() - y;
}

wxRect VerticalRangeControl::barRect(int from, int length)
{
    const int border = style().borderWidth;
    return wxRect(border, trackLength() - from - length, crossLength() - 2 * border, length);
}

void VerticalRangeControl::drawValueText(wxDC& dc, const Parameter& parameter, bool atEnd)
{
    const int border = style().borderWidth;
    const wxSize extent = cachedTextExtent();
    const int x = (crossLength() - extent.GetWidth()) / 2;
    const int y = atEnd ? border : trackLength() - border - extent.GetHeight();
    ::drawValue(dc, parameter, parameter.getValue(), style().colour4, wxRect(x, y, 0, 0), false);
}
