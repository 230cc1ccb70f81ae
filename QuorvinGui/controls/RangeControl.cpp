#include "controls/RangeControl.h"

#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "params/Parameter.h"
#include "text/WxText.h"

#include <algorithm>

#include <wx/dc.h>
#include <wx/intl.h>

namespace {

// Bounds given without the notify flag move no value: a press must not
// change the limits, only the drag after it.
constexpr std::uint32_t boundsOnly = 0;

} // namespace

RangeControl::RangeControl(wxWindow* parent, const ControlStyle& style) : Slider(parent, style) {}

RangeControl::~RangeControl()
{
    releaseHandles();
}

RangeControl& RangeControl::setNoLimit(bool noLimit)
{
    noLimit_ = noLimit;
    return *this;
}

RangeControl& RangeControl::setFixedMargin(bool fixedMargin)
{
    fixedMargin_ = fixedMargin;
    return *this;
}

void RangeControl::onBind(RoleId role, Parameter* parameter)
{
    if (parameter == nullptr)
        return;
    if (role == roleMin) {
        parameter->setKeyName(fromWxString(_("min")));
    } else if (role == roleMax) {
        parameter->setKeyName(fromWxString(_("max")));
        // A new range opens fully.
        parameter->setDefaultValue(parameter->maximum());
        parameter->setValue(flagsConstruct, parameter->maximum());
    }
}

wxSize RangeControl::cachedTextExtent()
{
    const wxSize extent = valueTextExtent();
    textWidth_ = std::max(extent.GetWidth(), 0);
    return extent;
}

int RangeControl::margin() const
{
    return RangeTrack::margin(valueTextMode(), fixedMargin_, style().borderWidth, textWidth_);
}

RangeTrack RangeControl::track()
{
    cachedTextExtent();
    const Parameter* low = getParameter(roleMin);
    if (low == nullptr)
        return RangeTrack(0, 0, margin(), trackLength());
    return RangeTrack(low->minimum(), low->maximum(), margin(), trackLength());
}

int RangeControl::distanceFromHandle(int x, int y, const Parameter& parameter)
{
    return pointerPosition(x, y) - track().position(parameter.getValue());
}

void RangeControl::onHover(int x, int y)
{
    const Parameter* low = getParameter(roleMin);
    const Parameter* high = getParameter(roleMax);
    if (low == nullptr || high == nullptr) {
        activeRole_ = roleMin;
        return;
    }
    const RangeTrack::Handle handle
        = RangeTrack::nearerHandle(distanceFromHandle(x, y, *low), distanceFromHandle(x, y, *high));
    activeRole_ = handle == RangeTrack::Handle::min ? roleMin : roleMax;
    // Passing the pointer over the control only picks the handle.
    if (isDragging())
        boundHandles();
}

// The handles bound each other for this drag only: left narrowed, they
// would clamp values received from the instrument, undo, the keys and the
// wheel to where the other limit stood at some earlier press.
void RangeControl::boundHandles()
{
    Parameter* low = getParameter(roleMin);
    Parameter* high = getParameter(roleMax);
    // Limits already crossed by other means stay as they are until dragged.
    if (noLimit_ || savedBounds_ || low->getValue() > high->getValue())
        return;
    savedBounds_ = SavedBounds{low->allowedMaximum(), high->allowedMinimum()};
    low->setAllowedMax(std::min(low->allowedMaximum(), high->getValue()), boundsOnly);
    high->setAllowedMin(std::max(high->allowedMinimum(), low->getValue()), boundsOnly);
}

void RangeControl::releaseHandles()
{
    if (!savedBounds_)
        return;
    if (Parameter* low = getParameter(roleMin))
        low->setAllowedMax(savedBounds_->minAllowedMaximum, boundsOnly);
    if (Parameter* high = getParameter(roleMax))
        high->setAllowedMin(savedBounds_->maxAllowedMinimum, boundsOnly);
    savedBounds_.reset();
}

void RangeControl::onMouseUp(wxMouseEvent& event)
{
    Slider::onMouseUp(event);
    releaseHandles();
}

void RangeControl::onMouseMove(wxMouseEvent& event)
{
    Slider::onMouseMove(event);
    // The drag may have ended on a release the toolkit never delivered.
    if (!isDragging())
        releaseHandles();
}

void RangeControl::onCaptureLost()
{
    Slider::onCaptureLost();
    releaseHandles();
}

RangeControl::Geometry RangeControl::rangeGeometry()
{
    const RangeTrack positions = track();
    const Parameter* low = getParameter(roleMin);
    const Parameter* high = getParameter(roleMax);
    Geometry geometry{};
    geometry.start = positions.position(low->minimum());
    geometry.end = positions.position(low->maximum());
    geometry.low = positions.position(low->getValue());
    geometry.high = high ? positions.position(high->getValue()) : geometry.end;
    geometry.zero = positions.position(low->rawFromDisplay(Rational(0)));
    return geometry;
}

void RangeControl::draw(wxDC& dc, const wxRegion&, bool, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.GetWidth(), size.GetHeight());
    if (getParameter(roleMin) == nullptr)
        return;
    const Geometry geometry = rangeGeometry();
    for (const RangeTrack::Piece& piece : RangeTrack::barPieces(geometry.start, geometry.end, geometry.low,
             geometry.high))
        fillBarRect(dc, piece.from, piece.length);
    if (RangeTrack::showsZeroLine(fixedMargin_, geometry.low, geometry.high, geometry.zero)) {
        const wxRect line = barRect(geometry.zero, 0);
        dc.SetPen(style().pen2);
        dc.DrawLine(line.GetLeft(), line.GetTop(), line.GetLeft() + line.GetWidth(), line.GetTop() + line.GetHeight());
    }
    drawValues(dc);
}

void RangeControl::fillBarRect(wxDC& dc, int from, int length)
{
    drawBarRectangle(dc, barRect(from, length));
}

// Whatever the text mode: it only decides where the bar leaves them room.
void RangeControl::drawValues(wxDC& dc)
{
    useFont(dc, style().fixedFont);
    if (const Parameter* low = getParameter(roleMin))
        drawValueText(dc, *low, false);
    if (const Parameter* high = getParameter(roleMax))
        drawValueText(dc, *high, true);
}
