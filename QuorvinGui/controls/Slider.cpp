#include "controls/Slider.h"

#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "gui/TextExtents.h"
#include "params/Parameter.h"
#include "text/WxText.h"

#include <algorithm>

#include <wx/dcclient.h>

namespace {

// Ranges wider than this are measured at their ends only: their texts are
// numbers whose widest is at an end.
constexpr std::int64_t maxMeasuredValues = 4096;

wxSize textExtent(wxDC& dc, const Parameter& parameter, std::int32_t raw)
{
    return TextExtents::onContext(dc, toWxString(valueFaceText(parameter, raw)));
}

} // namespace

Slider::Slider(wxWindow* parent, const ControlStyle& style) : DragControl(parent, style) {}

Slider& Slider::setValueTextMode(int mode)
{
    valueTextMode_ = mode;
    return *this;
}

int Slider::margin() const
{
    return style().borderWidth;
}

SliderGeometry Slider::barGeometry() const
{
    const Parameter* parameter = mainParameter();
    if (parameter == nullptr)
        return SliderGeometry::compute(0, 0, 0, 0, false, margin(), trackLength());
    return SliderGeometry::forParameter(*parameter, margin(), trackLength());
}

void Slider::draw(wxDC& dc, const wxRegion&, bool enabled, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.GetWidth(), size.GetHeight());
    const SliderGeometry geometry = barGeometry();
    if (enabled)
        drawBar(dc, geometry.zero, geometry.bar, geometry.end);
    drawValue(dc, geometry.textRegionStart(), textColour(enabled, geometry.textRegion()));
}

const wxColour& Slider::textColour(bool enabled, SliderGeometry::TextRegion region) const
{
    if (!enabled)
        return style().colour5;
    return region == SliderGeometry::TextRegion::Bar ? style().colour6 : style().colour4;
}

wxSize Slider::valueTextExtent()
{
    const Parameter* parameter = mainParameter();
    if (valueTextExtent_.GetWidth() >= 0 || parameter == nullptr || window() == nullptr)
        return valueTextExtent_;
    wxClientDC dc(window());
    dc.SetFont(style().fixedFont);
    const std::int64_t span = std::int64_t{parameter->maximum()} - parameter->minimum();
    const std::int64_t stride = span < maxMeasuredValues ? 1 : span;
    wxSize largest(0, 0);
    for (std::int64_t raw = parameter->minimum(); raw <= parameter->maximum(); raw += stride) {
        const wxSize extent = textExtent(dc, *parameter, static_cast<std::int32_t>(raw));
        largest.Set(std::max(largest.GetWidth(), extent.GetWidth()), std::max(largest.GetHeight(), extent.GetHeight()));
    }
    valueTextExtent_ = largest;
    return valueTextExtent_;
}

wxSize Slider::currentValueExtent(wxDC& dc) const
{
    const Parameter* parameter = mainParameter();
    if (parameter == nullptr)
        return {0, 0};
    useFont(dc, style().fixedFont);
    return textExtent(dc, *parameter, parameter->getValue());
}

void Slider::drawZeroLine(wxDC& dc, int bar, const wxPoint& from, const wxPoint& to) const
{
    dc.SetPen(bar == 0 ? style().pen4 : style().pen2);
    dc.DrawLine(from, to);
}

void Slider::drawBarRectangle(wxDC& dc, const wxRect& rectangle) const
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(style().brush3);
    dc.DrawRectangle(rectangle);
}
