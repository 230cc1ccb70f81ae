#include "controls/ZoneControl.h"

#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "text/WxText.h"

#include <wx/dcclient.h>
#include <wx/intl.h>

namespace {

using Side = ZoneGeometry::Side;

constexpr std::array<Side, ZoneGeometry::sideCount> sides{Side::left, Side::right, Side::top, Side::bottom};
// Indexed by side, in the order of the roles.
constexpr std::array<const char*, ZoneGeometry::sideCount> sideNames{
    wxTRANSLATE("left side"), wxTRANSLATE("right side"), wxTRANSLATE("top side"), wxTRANSLATE("bottom side")};
constexpr std::array<Side, ZoneGeometry::sideCount> labelDrawingOrder{
    Side::bottom, Side::top, Side::left, Side::right};

std::size_t indexOf(Side side)
{
    return static_cast<std::size_t>(side);
}

} // namespace

ZoneControl::ZoneControl(wxWindow* parent, const ControlStyle& style) : DragControl(parent, style) {}

RoleId ZoneControl::roleOf(Side side)
{
    return leftSide + static_cast<RoleId>(indexOf(side));
}

void ZoneControl::onBind(RoleId role, Parameter* parameter)
{
    if (parameter != nullptr && role >= leftSide && role <= bottomSide)
        parameter->setKeyName(fromWxString(wxGetTranslation(sideNames[role - leftSide])));
}

ZoneGeometry ZoneControl::geometry() const
{
    ZoneGeometry::Sides values;
    for (Side side : sides) {
        if (const Parameter* parameter = getParameter(roleOf(side)))
            values[indexOf(side)] = {parameter->getValue(), parameter->minimum(), parameter->maximum(), true};
    }
    return ZoneGeometry(clientSize(), style().borderWidth, values);
}

ZoneGeometry::LabelSizes ZoneControl::labelSizes(wxDC& dc) const
{
    ZoneGeometry::LabelSizes sizes{};
    useFont(dc, style().fixedFont);
    for (Side side : sides) {
        if (const Parameter* parameter = getParameter(roleOf(side)))
            sizes[indexOf(side)] = dc.GetTextExtent(toWxString(currentValueText(parameter)));
    }
    return sizes;
}

ZoneGeometry::LabelSizes ZoneControl::measureLabels() const
{
    if (window() == nullptr)
        return {};
    wxClientDC dc(window());
    return labelSizes(dc);
}

void ZoneControl::onHover(int x, int y)
{
    const auto picked = geometry().pick(x, y, measureLabels());
    xRole_ = kRoleNone;
    yRole_ = kRoleNone;
    if (picked)
        (ZoneGeometry::isHorizontalAxis(*picked) ? xRole_ : yRole_) = roleOf(*picked);
    if (!freeSides_)
        keepSidesFromCrossing();
}

void ZoneControl::keepSidesFromCrossing()
{
    Parameter* top = getParameter(topSide);
    Parameter* bottom = getParameter(bottomSide);
    if (top != nullptr && bottom != nullptr) {
        top->setAllowedMin(bottom->getValue(), flagsUserEdit);
        bottom->setAllowedMax(top->getValue(), flagsUserEdit);
    }
    Parameter* left = getParameter(leftSide);
    Parameter* right = getParameter(rightSide);
    if (left != nullptr && right != nullptr) {
        right->setAllowedMin(left->getValue(), flagsUserEdit);
        left->setAllowedMax(right->getValue(), flagsUserEdit);
    }
}

void ZoneControl::draw(wxDC& dc, const wxRegion&, bool, bool, bool focused)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.GetWidth(), size.GetHeight());
    const ZoneGeometry zone = geometry();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(zoneBrush_ != nullptr ? *zoneBrush_ : style().brush3);
    for (const wxRect& rectangle : zone.zoneRectangles())
        dc.DrawRectangle(rectangle);
    // The values show only on the focused zone, over its picture.
    if (focused)
        drawLabels(dc, zone);
}

void ZoneControl::drawLabels(wxDC& dc, const ZoneGeometry& zone)
{
    const ZoneGeometry::LabelSizes sizes = labelSizes(dc);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(style().backgroundBrush.GetColour()));
    dc.SetTextForeground(style().colour4);
    for (Side side : labelDrawingOrder) {
        const Parameter* parameter = getParameter(roleOf(side));
        if (parameter == nullptr)
            continue;
        const wxRect box = zone.labelBox(side, sizes[indexOf(side)]);
        dc.DrawRectangle(box);
        drawValueAt(dc, *parameter, box.x, box.y);
    }
}
