#include "controls/EnvelopeControl.h"

#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "gui/TextExtents.h"
#include "params/Parameter.h"
#include "text/WxText.h"

#include <algorithm>
#include <array>

#include <wx/dc.h>
#include <wx/event.h>
#include <wx/intl.h>

EnvelopeControl::EnvelopeControl(wxWindow* parent, const ControlStyle& style) : DragControl(parent, style)
{
    setPopOutAllowed(true);
}

void EnvelopeControl::onBind(RoleId role, Parameter* parameter)
{
    const char* name = EnvelopeShape::roleName(role);
    if (name != nullptr && parameter != nullptr)
        parameter->setKeyName(fromWxString(wxGetTranslation(name)));
    shape_.bindRole(role, parameter);
}

int EnvelopeControl::columnWidth() const
{
    return shape_.columnWidth(clientSize().GetWidth(), margin_);
}

wxSize EnvelopeControl::popOutSize(const wxSize& home) const
{
    const wxSize doubled = DragControl::popOutSize(home);
    return {std::max(doubled.x, legiblePopOutSize.x), std::max(doubled.y, legiblePopOutSize.y)};
}

EnvelopeShape::Placement EnvelopeControl::referenceSegment() const
{
    return {.timesAtZero = false, .levelsAtZero = true};
}

EnvelopeShape::Frame EnvelopeControl::frame() const
{
    const wxSize size = clientSize();
    return {.width = size.GetWidth(), .height = size.GetHeight(), .margin = margin_, .originX = originX()};
}

EnvelopeShape::Polyline EnvelopeControl::currentPolyline() const
{
    return shape_.place(frame(), {});
}

EnvelopeControl::PointRoles EnvelopeControl::rolesAt(int x, int y) const
{
    const auto found = shape_.segmentAt(currentPolyline(), margin_, x, y);
    if (!found)
        return {};
    return {.level = shape_.levelRoleOf(*found), .time = shape_.segments()[*found].timeRole};
}

void EnvelopeControl::onHover(int x, int y)
{
    const PointRoles found = rolesAt(x, y);
    dragYRole_ = found.level;
    dragXRole_ = found.time;
}

void EnvelopeControl::onMouseMove(wxMouseEvent& event)
{
    if (!isDragging()) {
        const PointRoles found = rolesAt(event.GetX(), event.GetY());
        const bool changed = found.level != highlightedLevelRole_ || found.time != highlightedTimeRole_;
        highlightedLevelRole_ = found.level;
        highlightedTimeRole_ = found.time;
        moveRoleCursorTo(found.time != kRoleNone ? found.time : found.level);
        if (changed)
            refreshRect(nullptr);
    }
    DragControl::onMouseMove(event);
}

void EnvelopeControl::onKillFocus()
{
    DragControl::onKillFocus();
    highlightedLevelRole_ = kRoleNone;
    highlightedTimeRole_ = kRoleNone;
}

// The keyboard's role cursor shows as a highlighted point.
void EnvelopeControl::showRoleCursor()
{
    const RoleId cursor = currentRole();
    if (cursor == kRoleNone || cursor == highlightedLevelRole_ || cursor == highlightedTimeRole_)
        return;
    const auto& segments = shape_.segments();
    for (std::size_t index = 0; index < segments.size(); ++index) {
        if (shape_.levelRoleOf(index) == cursor) {
            highlightedLevelRole_ = cursor;
            highlightedTimeRole_ = kRoleNone;
        }
        if (segments[index].timeRole == cursor) {
            highlightedTimeRole_ = cursor;
            highlightedLevelRole_ = kRoleNone;
        }
    }
}

bool EnvelopeControl::isHighlighted(std::size_t index) const
{
    const RoleId level = shape_.levelRoleOf(index);
    const RoleId time = shape_.segments()[index].timeRole;
    return (level != kRoleNone && level == highlightedLevelRole_)
        || (time != kRoleNone && time == highlightedTimeRole_);
}

void EnvelopeControl::draw(wxDC& dc, const wxRegion&, bool, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.GetWidth(), size.GetHeight());
    showRoleCursor();
    const EnvelopeShape::Polyline current = currentPolyline();
    drawFill(dc, current);
    drawPoints(dc, current);
    drawReadout(dc);
}

// Between the envelope and its neutral shape: the area under an envelope
// whose levels display from 0, the deviation of one around a displayed 0.
void EnvelopeControl::drawFill(wxDC& dc, const EnvelopeShape::Polyline& current) const
{
    const EnvelopeShape::Polyline reference = shape_.place(frame(), referenceSegment());
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(style().brush2);
    for (std::size_t index = 0; index < current.points.size(); ++index) {
        if (shape_.segments()[index].isStart())
            continue;
        std::array<wxPoint, 4> corners{current.previous(index), current.points[index], reference.points[index],
            reference.previous(index)};
        dc.DrawPolygon(static_cast<int>(corners.size()), corners.data());
    }
}

// Lines first, so that every handle lies on top of the lines through it.
void EnvelopeControl::drawPoints(wxDC& dc, const EnvelopeShape::Polyline& current) const
{
    for (std::size_t index = 0; index < current.points.size(); ++index) {
        if (shape_.segments()[index].isStart())
            continue;
        dc.SetPen(isHighlighted(index) ? style().pen3 : style().pen1);
        dc.DrawLine(current.previous(index), current.points[index]);
    }
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    const int handle = 2 * margin_ + 1;
    for (std::size_t index = 0; index < current.points.size(); ++index) {
        dc.SetPen(isHighlighted(index) ? style().pen3 : style().pen4);
        const wxPoint& point = current.points[index];
        dc.DrawRectangle(point.x - margin_, point.y - margin_, handle, handle);
    }
}

void EnvelopeControl::drawReadout(wxDC& dc) const
{
    dc.SetFont(style().fixedFont);
    dc.SetTextForeground(style().colour4);
    const int border = style().borderWidth;
    const int width = clientSize().GetWidth();
    int y = border;
    const std::array<std::pair<RoleId, wxString>, 2> lines{
        {{highlightedLevelRole_, _("Level:")}, {highlightedTimeRole_, _("Time:")}}};
    for (const auto& [role, caption] : lines) {
        const Parameter* parameter = role == kRoleNone ? nullptr : getParameter(role);
        if (parameter == nullptr)
            continue;
        const wxString text = caption + toWxString(currentValueText(parameter));
        const wxSize extent = TextExtents::onContext(dc, text);
        dc.DrawText(text, width - extent.GetWidth() - border, y);
        y += extent.GetHeight();
    }
}
