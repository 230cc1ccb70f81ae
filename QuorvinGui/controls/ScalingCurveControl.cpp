#include "controls/ScalingCurveControl.h"

#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "gui/TextExtents.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "text/WxText.h"
#include "undo/CommandList.h"

#include <wx/dcclient.h>
#include <wx/intl.h>
#include <wx/window.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

RefString translated(const char* text) { return fromWxString(wxGetTranslation(text)); }

double toDouble(Rational value) { return static_cast<double>(value.numerator) / value.denominator; }

wxPoint toWx(LayoutPoint point) { return {point.x, point.y}; }

} // namespace

ScalingCurveControl::ScalingCurveControl(wxWindow* parent, const ControlStyle& style)
    : DragControl(parent, style)
{
}

const char* ScalingCurveControl::roleName(RoleId role) const
{
    switch (role) {
    case rolePivot: return wxTRANSLATE("pivot note");
    case roleOffset: return wxTRANSLATE("offset");
    case roleSlope: return wxTRANSLATE("slope");
    case roleLeftSlope: return wxTRANSLATE("left slope");
    case roleRightSlope: return wxTRANSLATE("right slope");
    case roleLeftShape: return wxTRANSLATE("left shape");
    case roleRightShape: return wxTRANSLATE("right shape");
    default: return nullptr;
    }
}

void ScalingCurveControl::onBind(RoleId role, Parameter* parameter)
{
    if (parameter == nullptr)
        return;
    if (const char* name = roleName(role))
        parameter->setKeyName(translated(name));
}

std::optional<Rational> ScalingCurveControl::displayOf(RoleId role) const
{
    const Parameter* parameter = getParameter(role);
    if (parameter == nullptr)
        return std::nullopt;
    return parameter->displayOf(parameter->getValue());
}

Rational ScalingCurveControl::slopeOf(RoleId role) const
{
    return displayOf(role).value_or(Rational(0));
}

Rational ScalingCurveControl::leftShapeFactor() const
{
    return displayOf(roleLeftShape).value_or(Rational(0));
}

Rational ScalingCurveControl::rightShapeFactor() const
{
    return displayOf(roleRightShape).value_or(Rational(0));
}

ScalingCurveGeometry ScalingCurveControl::geometry() const
{
    const wxSize size = clientSize();
    return ScalingCurveGeometry(size.x - curveRight_, size.y, sideMode_, baselineMode_);
}

int ScalingCurveControl::centreY() const
{
    return geometry().centreY(displayOf(roleOffset));
}

wxRect ScalingCurveControl::pivotLabelRect() const
{
    const Parameter* pivot = getParameter(rolePivot);
    if (pivot == nullptr || window() == nullptr)
        return {};
    wxClientDC dc(window());
    dc.SetFont(style().fixedFont);
    const wxSize text = TextExtents::onContext(dc, toWxString(currentValueText(pivot)));
    const wxSize size = clientSize();
    return {(size.x - text.x) / 2, size.y - text.y, text.x, text.y};
}

void ScalingCurveControl::onHover(int x, int y)
{
    lastPointer_ = {x, y};
    if (pivotLabelRect().Contains(x, y)) {
        xRole_ = yRole_ = rolePivot;
        return;
    }
    if (isOneSlope())
        xRole_ = roleSlope;
    else if (sideMode_ == ScalingCurveGeometry::rightSideOnly)
        xRole_ = roleRightSlope;
    else if (sideMode_ == ScalingCurveGeometry::leftSideOnly)
        xRole_ = roleLeftSlope;
    else
        xRole_ = geometry().isRightHalf(x) ? roleRightSlope : roleLeftSlope;
    yRole_ = getParameter(roleOffset) != nullptr ? roleOffset : xRole_;
}

void ScalingCurveControl::onDoubleClick()
{
    Parameter* pivot = getParameter(rolePivot);
    if (pivot == nullptr || !pivotLabelRect().Contains(lastPointer_)) {
        DragControl::onDoubleClick();
        return;
    }
    beginCommandGroup(getPath().text(), flagsUserEdit);
    pivot->setValue(flagsUserEdit, pivot->defaultValue());
    endCommandGroup(flagsUserEdit);
}

const wxBrush& ScalingCurveControl::fillBrush() const
{
    return fillBrush_.IsOk() ? fillBrush_ : style().brush2;
}

void ScalingCurveControl::drawSegment(
    wxDC& dc, const ScalingCurveGeometry::Segment& side, Rational shapeFactor, bool filled)
{
    const ScalingCurveGeometry curve = geometry();
    if (filled) {
        const int baseline = curve.baselineY();
        const wxPoint area[] = {toWx(side.inner), toWx(side.outer), {side.outer.x, baseline},
            {side.inner.x, baseline}};
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(fillBrush());
        dc.DrawPolygon(4, area);
    }
    dc.SetPen(style().pen1);
    if (shapeFactor.numerator == 0) {
        if (const auto shown = curve.clipped(side)) {
            dc.DrawLine(toWx(shown->inner), toWx(shown->outer));
            dc.DrawPoint(toWx(shown->outer));
        }
        return;
    }
    // Bent by t + factor x t x (1 - t) along the side: the end points stay.
    const int dx = side.outer.x - side.inner.x;
    const int dy = side.outer.y - side.inner.y;
    const int steps = std::max(std::abs(dx), 1);
    const double factor = toDouble(shapeFactor);
    std::vector<wxPoint> points;
    for (int step = 0; step <= steps; ++step) {
        const double t = static_cast<double>(step) / steps;
        const double along = t + factor * t * (1 - t);
        points.emplace_back(side.inner.x + dx * step / steps, side.inner.y + static_cast<int>(std::lround(dy * along)));
    }
    dc.DrawLines(static_cast<int>(points.size()), points.data());
    dc.DrawPoint(toWx(side.outer));
}

void ScalingCurveControl::drawSide(wxDC& dc, RoleId slopeRole, bool left)
{
    const ScalingCurveGeometry curve = geometry();
    const Rational slope = slopeOf(slopeRole);
    const auto side = left ? curve.leftSide(centreY(), slope) : curve.rightSide(centreY(), slope);
    const Rational factor = left ? leftShapeFactor() : rightShapeFactor();
    const bool shaped = getParameter(left ? roleLeftShape : roleRightShape) != nullptr;
    drawSegment(dc, side, factor, factor.numerator == 0 && !shaped);
}

void ScalingCurveControl::draw(wxDC& dc, const wxRegion&, bool, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.x, size.y);
    makeRoomForSlopeText(dc);
    const ScalingCurveGeometry curve = geometry();
    if (curve.showsLeft())
        drawSide(dc, leftSlopeRole(), true);
    if (curve.showsRight())
        drawSide(dc, rightSlopeRole(), false);
    dc.SetPen(style().pen1);
    dc.DrawLine(curve.breakX(), centreY(), curve.breakX() + 1, centreY());
    // The texts keep their colour when the control is disabled.
    drawTexts(dc, style().colour4);
}

void ScalingCurveControl::drawTexts(wxDC& dc, const wxColour& colour)
{
    dc.SetFont(style().fixedFont);
    const wxSize size = clientSize();
    const int border = style().borderWidth;
    // Each text on a patch of the control's ground: the curve and its fill
    // must not run through it.
    const auto drawText = [&](const RefString& text, wxPoint at) {
        const wxString shown = toWxString(text);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(style().backgroundBrush.GetColour()));
        dc.DrawRectangle(wxRect(at, TextExtents::onContext(dc, shown)));
        drawColouredText(dc, shown, colour, at.x, at.y, size.x, size.y, false);
    };
    if (const Parameter* pivot = getParameter(rolePivot))
        drawText(currentValueText(pivot), pivotLabelRect().GetTopLeft());
    if (const Parameter* offset = getParameter(roleOffset))
        drawText(RefString::concat(translated(wxTRANSLATE("Offset:")), currentValueText(offset)),
            wxPoint(border, border));
    // The slopes under the offset, each at its own side.
    if (const Parameter* single = getParameter(roleSlope)) {
        drawText(currentValueText(single), slopeTextRect(dc, *single, true).GetTopLeft());
        return;
    }
    if (const Parameter* left = getParameter(roleLeftSlope); left && geometry().showsLeft())
        drawText(currentValueText(left), slopeTextRect(dc, *left, false).GetTopLeft());
    if (const Parameter* right = getParameter(roleRightSlope); right && geometry().showsRight())
        drawText(currentValueText(right), slopeTextRect(dc, *right, true).GetTopLeft());
}

wxRect ScalingCurveControl::slopeTextRect(wxDC& dc, const Parameter& slope, bool right) const
{
    const int border = style().borderWidth;
    const wxSize text = TextExtents::onContext(dc, toWxString(currentValueText(&slope)));
    const int x = right ? clientSize().x - border - text.x : border;
    return {wxPoint(x, border + TextExtents::onContext(dc, "g").y), text};
}

void ScalingCurveControl::makeRoomForSlopeText(wxDC& dc)
{
    curveRight_ = 0;
    const Parameter* single = getParameter(roleSlope);
    if (single == nullptr)
        return;
    dc.SetFont(style().fixedFont);
    const wxRect text = slopeTextRect(dc, *single, true);
    const int rest = geometry().baselineY();
    if (rest < text.y || rest > text.GetBottom())
        return;
    // As wide as the widest value, so the curve keeps one width while dragged.
    const int widest = std::max(TextExtents::onContext(dc, toWxString(single->valueText(single->minimum()))).x,
        TextExtents::onContext(dc, toWxString(single->valueText(single->maximum()))).x);
    curveRight_ = std::max(widest, text.width) + style().borderWidth + 1;
}
