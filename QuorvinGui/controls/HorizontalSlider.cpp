#include "controls/HorizontalSlider.h"

#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "params/Parameter.h"

#include <cstdlib>

#include <wx/dc.h>

HorizontalSlider::HorizontalSlider(wxWindow* parent, const ControlStyle& style) : Slider(parent, style) {}

int HorizontalSlider::trackLength() const
{
    return clientSize().GetWidth();
}

int HorizontalSlider::crossLength() const
{
    return clientSize().GetHeight();
}

int HorizontalSlider::barTop()
{
    const int border = style().borderWidth;
    if (valueTextMode() == textInTrack)
        return border;
    if (valueTextMode() == textBandAbove)
        return valueTextExtent().GetHeight() + border;
    return 0;
}

void HorizontalSlider::drawBar(wxDC& dc, int zero, int bar, int end)
{
    const int border = style().borderWidth;
    const int top = barTop();
    // At the track's end the line moves left one pixel to stay inside.
    const int lineX = zero == end ? zero - 1 : zero;
    drawZeroLine(dc, bar, {lineX, top}, {lineX, crossLength() - border});
    const int left = bar >= 0 ? zero : zero + bar;
    drawBarRectangle(dc, wxRect(left, top, std::abs(bar), crossLength() - top - border));
}

void HorizontalSlider::drawValue(wxDC& dc, int position, const wxColour& colour)
{
    const Parameter* parameter = mainParameter();
    if (valueTextMode() != textInTrack || parameter == nullptr)
        return;
    useFont(dc, style().fixedFont);
    ::drawValue(dc, *parameter, parameter->getValue(), colour, wxRect(position, style().borderWidth, 0, 0), false);
}
