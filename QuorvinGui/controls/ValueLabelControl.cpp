#include "controls/ValueLabelControl.h"

#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "gui/WxLayout.h"
#include "layout/CellLayout.h"
#include "popup/PopupListDialog.h"

#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/toplevel.h>

ValueLabelControl::ValueLabelControl(wxWindow* parent, const ControlStyle& style)
    : Control(parent, style), popup_(*this, *this, style)
{
}

wxWindow* ValueLabelControl::parentWindow() const { return wxGetTopLevelParent(window()); }

wxPoint ValueLabelControl::position() const { return window()->GetScreenPosition(); }

wxPoint ValueLabelControl::bottomRight() const { return position() + clientSize(); }

bool ValueLabelControl::shownOnScreen() const { return window() && window()->IsShownOnScreen(); }

void ValueLabelControl::openPopup()
{
    fittedLayout();
    popup_.open();
}

CellLayout& ValueLabelControl::fittedLayout()
{
    if (cellsFitted_ || window() == nullptr)
        return popupLayout();
    wxClientDC dc(window());
    return fittedLayout(dc);
}

CellLayout& ValueLabelControl::fittedLayout(wxDC& dc)
{
    if (!cellsFitted_) {
        cellsFitted_ = true;
        useFont(dc, style().fixedFont);
        fitCells(dc);
    }
    return popupLayout();
}

void ValueLabelControl::onBind(RoleId, Parameter*) {}

void ValueLabelControl::onMouseDown(wxMouseEvent&) { openPopup(); }
void ValueLabelControl::onMouseUp(wxMouseEvent&) {}
void ValueLabelControl::onCaptureLost() {}

void ValueLabelControl::onKeyDown(wxKeyEvent& event)
{
    if (PopupListDialog::passKeyWhileOpen(popupList(), event))
        return;
    const int key = event.GetKeyCode();
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER)
        openPopup();
    else
        Control::onKeyDown(event);
}

// A small triangle pointing down at the right.
void ValueLabelControl::drawArrow(wxDC& dc, int width, int height) const
{
    const int middle = height / 2;
    const wxPoint points[] = {{width - 6, middle}, {width - 2, middle}, {width - 4, middle + 2}};
    dc.SetPen(wxPen(style().colour4));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawPolygon(3, points, 0, 0, wxWINDING_RULE);
}

void ValueLabelControl::draw(wxDC& dc, const wxRegion&, bool enabled, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.x, size.y);
    const bool fits = fittedLayout(dc).cellSize().width + arrowSpace <= size.x;
    const int shift = fits || clipWhenNarrow_ ? arrowSpace : 0;
    if (shift != 0)
        drawArrow(dc, size.x, size.y);
    if (!fits && clipWhenNarrow_)
        dc.SetClippingRegion(0, 0, size.x - arrowSpace, size.y);
    useFont(dc, style().fixedFont);
    drawValueAt(dc, currentIndex(), enabled ? style().colour4 : style().colour5,
        wxRect(-(shift / 2), 0, size.x, size.y), true);
    dc.DestroyClippingRegion();
}

void ValueLabelControl::drawItem(wxDC& dc, std::int32_t index, bool highlighted, const LayoutRect& cell, int)
{
    if (highlighted) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(style().colour9));
        dc.DrawRectangle(toWxRect(cell));
    }
    const wxColour& colour = index == currentIndex() ? style().colour10 : style().colour8;
    drawValueAt(dc, index, colour, toWxRect(cell), true);
}
