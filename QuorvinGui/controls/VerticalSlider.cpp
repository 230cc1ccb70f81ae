#include "controls/VerticalSlider.h"

#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "params/Parameter.h"

#include <cstdlib>

#include <wx/dc.h>

VerticalSlider::VerticalSlider(wxWindow* parent, const ControlStyle& style) : Slider(parent, style) {}

int VerticalSlider::trackLength() const
{
    return clientSize().GetHeight();
}

int VerticalSlider::crossLength() const
{
    return clientSize().GetWidth();
}

// Track position p lies at y = trackLength - p, as y grows downward.
void VerticalSlider::drawBar(wxDC& dc, int zero, int bar, int end)
{
    const int border = style().borderWidth;
    const int zeroY = trackLength() - zero;
    // At the track's start the line moves up one pixel to stay inside.
    const int lineY = zeroY == end ? zeroY - 1 : zeroY;
    drawZeroLine(dc, bar, {border, lineY}, {crossLength() - border, lineY});
    const int top = bar >= 0 ? zeroY - bar : zeroY;
    drawBarRectangle(dc, wxRect(border, top, crossLength() - 2 * border, std::abs(bar)));
}

void VerticalSlider::drawValue(wxDC& dc, int position, const wxColour& colour)
{
    const Parameter* parameter = mainParameter();
    if (valueTextMode() != textInTrack || parameter == nullptr)
        return;
    const wxSize extent = currentValueExtent(dc);
    const wxPoint at((crossLength() - extent.GetWidth()) / 2, trackLength() - extent.GetHeight() - position);
    ::drawValue(dc, *parameter, parameter->getValue(), colour, wxRect(at, wxSize(0, 0)), false);
}
