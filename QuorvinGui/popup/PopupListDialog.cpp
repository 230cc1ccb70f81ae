#include "popup/PopupListDialog.h"

#include "controls/DisplayPlacement.h"
#include "gui/ControlStyle.h"
#include "gui/ItemPickerEvents.h"
#include "gui/WxLayout.h"
#include "layout/CellLayout.h"
#include "popup/PopupAnchor.h"
#include "popup/PopupPlacement.h"
#include "popup/PopupSelectionTarget.h"

#include <wx/app.h>
#include <wx/dcbuffer.h>
#include <wx/utils.h>

#include <algorithm>

namespace {

LayoutRect toLayoutRect(const wxRect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

} // namespace

PopupListDialog::PopupListDialog(PopupAnchor& anchor, PopupSelectionTarget& target, const ControlStyle& style)
    : anchor_(anchor), target_(target), style_(style)
{
    // The list paints every pixel itself.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(anchor.parentWindow(), wxBORDER_NONE);
    SetBackgroundColour(style.colour7);
    routeEventsToPicker(*this, picker_);
    Bind(wxEVT_PAINT, &PopupListDialog::onPaint, this);
    Bind(wxEVT_MOUSEWHEEL, &PopupListDialog::onWheel, this);
    Bind(wxEVT_TIMER, &PopupListDialog::onTimer, this);
    // The program sends idle events only to the windows that ask for them.
    SetExtraStyle(GetExtraStyle() | wxWS_EX_PROCESS_IDLE);
    Bind(wxEVT_IDLE, &PopupListDialog::onIdle, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { choose(ItemPicker::noCell); });
    // The toolkit tells the application, not the window, that the user went
    // elsewhere: a window also loses the activation for a moment when the
    // focus follows the pointer into this list.
    wxTheApp->Bind(wxEVT_ACTIVATE_APP, &PopupListDialog::onApplicationActivate, this);
}

PopupListDialog::~PopupListDialog()
{
    timer_.Stop();
    if (HasCapture())
        ReleaseMouse();
    if (openList_ == this)
        openList_ = nullptr;
}

void PopupListDialog::popup()
{
    if (!layout_)
        return;
    // One list at a time: the one open holds the mouse, and its owner may
    // no longer have the keys that would close it.
    cancelOpenList();
    const LayoutRect area = toLayoutRect(displayClientAreaAt(anchor_.position()));
    // The grid's margin: where its first cell starts.
    const LayoutPoint margin = layout_->cellOrigin(0);
    const LayoutSize cells = layout_->fitToHeight(area.height - 2 * margin.y);
    // An empty list still shows a sliver, in which every click cancels.
    const LayoutSize content{std::max(1, cells.width + 2 * margin.x), std::max(1, cells.height + 2 * margin.y)};
    const PopupPlacement placement
        = placePopup(area, toLayoutPoint(anchor_.position()), toLayoutPoint(anchor_.bottomRight()), content);
    SetSize(placement.position.x, placement.position.y, placement.size.width, placement.size.height);
    scroller_.reset(placement.scrollExtent);
    picker_.reset();
    showCell(currentIndex());
    // No window manager stands between the request to show the list and
    // the server mapping it, so the grab that follows finds it on the screen.
    // The keyboard focus stays with the owner, which passes its keys on.
    Show();
    openList_ = this;
    CaptureMouse();
    autoScrollAtPointer();
    if (scroller_.canScroll())
        timer_.Start(autoScrollPeriodMs);
}

LayoutPoint PopupListDialog::toLayout(LayoutPoint windowPoint) const
{
    // The grab brings the pointer's events from beside the window too; no
    // cell lies there, not even one scrolled out of view.
    if (!wxRect(GetClientSize()).Contains(toWxPoint(windowPoint)))
        return {-1, -1};
    const LayoutPoint offset = scroller_.offset();
    return {windowPoint.x + offset.x, windowPoint.y + offset.y};
}

LayoutPoint PopupListDialog::toWindow(LayoutPoint layoutPoint) const
{
    const LayoutPoint offset = scroller_.offset();
    return {layoutPoint.x - offset.x, layoutPoint.y - offset.y};
}

void PopupListDialog::showCell(std::int32_t index)
{
    if (!layout_ || index < 0)
        return;
    const LayoutRect cell(layout_->cellOrigin(index), layout_->cellSize());
    if (scroller_.ensureVisible(cell, windowSize()))
        Refresh();
}

void PopupListDialog::refreshRect(const LayoutRect& windowRect, bool erase) { RefreshRect(toWxRect(windowRect), erase); }

void PopupListDialog::choose(std::int32_t index)
{
    if (!IsShown())
        return;
    if (openList_ == this)
        openList_ = nullptr;
    if (HasCapture())
        ReleaseMouse();
    Hide();
    timer_.Stop();
    if (index != ItemPicker::noCell)
        target_.select(index);
}

std::int32_t PopupListDialog::currentIndex() const { return target_.currentCell(); }

LayoutSize PopupListDialog::windowSize() const
{
    const wxSize size = GetClientSize();
    return {size.x, size.y};
}

void PopupListDialog::autoScrollAtPointer()
{
    scroller_.autoScroll(toLayoutPoint(ScreenToClient(wxGetMousePosition())), windowSize());
}

void PopupListDialog::onPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    if (!layout_ || !IsShown())
        return;
    dc.SetFont(style_.fixedFont);
    const LayoutSize size = windowSize();
    const LayoutPoint offset = scroller_.offset();
    layout_->draw(dc, size.width, size.height, offset.x, offset.y, picker_.hoverIndex());
}

void PopupListDialog::onWheel(wxMouseEvent& event)
{
    if (scroller_.wheel(event.GetWheelRotation(), event.GetWheelDelta()))
        Refresh();
}

void PopupListDialog::onTimer(wxTimerEvent&)
{
    autoScrollAtPointer();
    if (scroller_.step())
        Refresh();
}

// A list whose owner went from the screen has nothing left to choose for.
void PopupListDialog::onIdle(wxIdleEvent& event)
{
    event.Skip();
    if (IsShown() && !anchor_.shownOnScreen())
        choose(ItemPicker::noCell);
}

// Like the toolkit's menus, a list goes when the user turns to another
// application: left open, it would lie over that application, and pick
// whatever a later click in its place hits.
void PopupListDialog::onApplicationActivate(wxActivateEvent& event)
{
    event.Skip();
    if (!event.GetActive())
        choose(ItemPicker::noCell);
}

bool PopupListDialog::passKeyWhileOpen(PopupListDialog* popup, wxKeyEvent& event)
{
    if (popup == nullptr || !popup->IsShown())
        return false;
    if (popup->takeKey(event.GetKeyCode()))
        return true;
    // A key that closed the list without taking it (Tab) acts on the owner.
    if (!popup->IsShown())
        return false;
    event.Skip();
    return true;
}

void PopupListDialog::cancelOpenList()
{
    if (openList_)
        openList_->choose(ItemPicker::noCell);
}
