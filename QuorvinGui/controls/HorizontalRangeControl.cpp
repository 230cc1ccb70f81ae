#include "controls/HorizontalRangeControl.h"

#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "params/Parameter.h"

HorizontalRangeControl::HorizontalRangeControl(wxWindow* parent, const ControlStyle& style)
    : RangeControl(parent, style)
{
}

int HorizontalRangeControl::trackLength() const
{
    return clientSize().GetWidth();
}

int HorizontalRangeControl::crossLength() const
{
    return clientSize().GetHeight();
}

int HorizontalRangeControl::pointerPosition(int x, int) const
{
    return x;
}

// The bar leaves the same band free as a horizontal slider's.
wxRect HorizontalRangeControl::barRect(int from, int length)
{
    const int border = style().borderWidth;
    int top = 0;
    if (valueTextMode() == textInTrack)
        top = border;
    else if (valueTextMode() == textBandAbove)
        top = cachedTextExtent().GetHeight() + border;
    return wxRect(from, top, length, crossLength() - top - border);
}

void HorizontalRangeControl::drawValueText(wxDC& dc, const Parameter& parameter, bool atEnd)
{
    const int border = style().borderWidth;
    const int x = atEnd ? trackLength() - border - cachedTextExtent().GetWidth() : border;
    ::drawValue(dc, parameter, parameter.getValue(), style().colour4, wxRect(x, border, 0, 0), false);
}
