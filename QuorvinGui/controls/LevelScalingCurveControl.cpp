#include "controls/LevelScalingCurveControl.h"

#include "controls/CurvePictures.h"
#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "undo/CommandList.h"

#include <wx/dc.h>
#include <wx/event.h>
#include <wx/intl.h>

namespace {

// Types 0 and 1 make the left side rise towards the break; 2 and 3 make it
// fall. The right side is the mirror image.
constexpr std::int32_t firstFallingType = 2;
constexpr std::int32_t firstBentType = 1;
constexpr std::int32_t lastBentType = 2;

} // namespace

LevelScalingCurveControl::LevelScalingCurveControl(wxWindow* parent, const ControlStyle& style)
    : ScalingCurveControl(parent, style)
{
}

void LevelScalingCurveControl::setBaseScales(Rational left, Rational right)
{
    leftBase_ = left;
    rightBase_ = right;
    applySlopeSign(true, flagsUserEdit);
    applySlopeSign(false, flagsUserEdit);
    refreshRect(nullptr);
}

void LevelScalingCurveControl::applySlopeSign(bool left, std::uint32_t flags)
{
    Parameter* slope = getParameter(left ? roleLeftSlope : roleRightSlope);
    const std::optional<std::int32_t> type = curveType(left);
    if (slope == nullptr || !type)
        return;
    // Left: + for the rising types; right: - for them, so the side meets the break.
    const bool falling = *type >= firstFallingType;
    const Rational base = left ? leftBase_ : rightBase_;
    const Rational scale = (left ? falling : !falling) ? Rational(-base.numerator, base.denominator) : base;
    setParameterDisplayScale(slope, (flags & SetValueFlag::storeOwnValue) != 0, scale, Rational(0));
}

void LevelScalingCurveControl::onParameterChanged(Parameter* parameter, std::uint32_t flags)
{
    for (const bool left : {true, false}) {
        if (parameter != nullptr && parameter == getParameter(left ? roleLeftShape : roleRightShape))
            applySlopeSign(left, flagsUserEdit);
    }
    ScalingCurveControl::onParameterChanged(parameter, flags);
}

const char* LevelScalingCurveControl::roleName(RoleId role) const
{
    if (role == roleLeftShape)
        return wxTRANSLATE("left curve");
    if (role == roleRightShape)
        return wxTRANSLATE("right curve");
    return ScalingCurveControl::roleName(role);
}

void LevelScalingCurveControl::onBind(RoleId role, Parameter* parameter)
{
    ScalingCurveControl::onBind(role, parameter);
    if (parameter == nullptr)
        return;
    // Curve types given before the control was made notified nobody: the
    // sign is set as soon as a side has both its slope and its curve.
    if (role == roleLeftSlope || role == roleLeftShape)
        applySlopeSign(true, flagsUserEdit);
    if (role == roleRightSlope || role == roleRightShape)
        applySlopeSign(false, flagsUserEdit);
    if (role != roleLeftShape && role != roleRightShape)
        return;
    // The picture tables hold the four types only: a wider range would make
    // value faces read past them.
    if (parameter->minimum() < 0 || parameter->maximum() >= CurvePictures::curveTypes)
        return;
    parameter->setValuePictures(role == roleLeftShape ? CurvePictures::left() : CurvePictures::right());
    parameter->setBitmap(parameter->picture(), false);
}

std::optional<std::int32_t> LevelScalingCurveControl::curveType(bool left) const
{
    const Parameter* curve = getParameter(left ? roleLeftShape : roleRightShape);
    if (curve == nullptr)
        return std::nullopt;
    const std::int32_t type = curve->getValue();
    if (type < 0 || type >= CurvePictures::curveTypes)
        return std::nullopt;
    return type;
}

Rational LevelScalingCurveControl::shapeOfType(std::optional<std::int32_t> type)
{
    const bool bent = type && *type >= firstBentType && *type <= lastBentType;
    return bent ? Rational(-1) : Rational(0);
}

Rational LevelScalingCurveControl::leftShapeFactor() const { return shapeOfType(curveType(true)); }

Rational LevelScalingCurveControl::rightShapeFactor() const { return shapeOfType(curveType(false)); }

wxRect LevelScalingCurveControl::curvePictureRect(bool left) const
{
    if (!curveType(left))
        return {};
    const wxSize size = clientSize();
    const int border = style().borderWidth;
    const int y = size.y - border - CurvePictures::height;
    const int x = left ? border : size.x - border - CurvePictures::width;
    return {x, y, CurvePictures::width, CurvePictures::height};
}

bool LevelScalingCurveControl::stepCurveAt(const wxPoint& point)
{
    for (const bool left : {true, false}) {
        if (!curvePictureRect(left).Contains(point))
            continue;
        beginCommandGroup(getPath().text(), flagsUserEdit);
        getParameter(left ? roleLeftShape : roleRightShape)->stepUp(flagsUserEdit);
        endCommandGroup(flagsUserEdit);
        return true;
    }
    return false;
}

void LevelScalingCurveControl::onMouseDown(wxMouseEvent& event)
{
    onHover(event.GetX(), event.GetY());
    if (!stepCurveAt(event.GetPosition()))
        ScalingCurveControl::onMouseDown(event);
}

void LevelScalingCurveControl::drawCurvePicture(wxDC& dc, bool left, const wxColour& colour)
{
    const wxRect place = curvePictureRect(left);
    if (place.IsEmpty())
        return;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(style().brush2);
    dc.DrawRectangle(place);
    const Parameter& curve = *getParameter(left ? roleLeftShape : roleRightShape);
    drawValue(dc, curve, curve.getValue(), colour, place, false);
}

void LevelScalingCurveControl::draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused)
{
    ScalingCurveControl::draw(dc, update, enabled, selected, focused);
    dc.SetFont(style().fixedFont);
    drawCurvePicture(dc, true, style().colour4);
    drawCurvePicture(dc, false, style().colour4);
}
