#include "controls/ControlWindow.h"

#include "controls/Control.h"

#include <wx/dcclient.h>
#include <wx/menu.h>

namespace {

// The menu ids a control may use for its own items.
constexpr int firstControlMenuId = 0;
constexpr int lastControlMenuId = 15;

} // namespace

ControlWindow::ControlWindow(wxWindow* parent, Control* control) : control_(control)
{
    // The control paints every pixel; set before Create so no erase happens.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS, "panel");

    Bind(wxEVT_PAINT, &ControlWindow::onPaint, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        if (control_)
            control_->onSetFocus();
    });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        if (control_)
            control_->onKillFocus();
    });
    Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) { route(&Control::onLeftDown, event); });
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) { route(&Control::onMouseUp, event); });
    Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& event) {
        if (control_)
            control_->onDoubleClick();
        else
            event.Skip();
    });
    Bind(wxEVT_MOTION, [this](wxMouseEvent& event) { route(&Control::onMotion, event); });
    // The pointer arriving counts as much as its moves: the toolkit may
    // hold the moves back while it passes windows.
    Bind(wxEVT_ENTER_WINDOW, [this](wxMouseEvent& event) {
        event.Skip();
        if (control_)
            control_->followPointer();
    });
    Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
        event.Skip();
        if (control_)
            control_->pointerLeft();
    });
    Bind(wxEVT_MOUSEWHEEL, [this](wxMouseEvent& event) { route(&Control::onMouseWheel, event); });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
        if (control_)
            control_->onCaptureLost();
    });
    Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) { route(&Control::onKeyDown, event); });
    Bind(wxEVT_KEY_UP, [this](wxKeyEvent& event) { route(&Control::onKeyUp, event); });
    Bind(wxEVT_CHAR, [this](wxKeyEvent& event) { route(&Control::onChar, event); });
    Bind(wxEVT_CONTEXT_MENU, &ControlWindow::onContextMenu, this);
    Bind(wxEVT_MENU, &ControlWindow::onMenu, this, firstControlMenuId, lastControlMenuId);
}

ControlWindow::~ControlWindow()
{
    if (control_)
        control_->windowDestroyed();
}

template <typename Event>
void ControlWindow::route(void (Control::*handler)(Event&), Event& event)
{
    if (control_)
        (control_->*handler)(event);
    else
        event.Skip();
}

void ControlWindow::onPaint(wxPaintEvent&)
{
    if (control_) {
        control_->paint();
        return;
    }
    wxPaintDC dc(this);
}

wxSize ControlWindow::GetDPI() const
{
    static const wxSize screenDpi = wxWindow::GetDPI();
    return screenDpi;
}

void ControlWindow::onContextMenu(wxContextMenuEvent& event)
{
    if (!control_)
        return;
    // From the keyboard the event has no position: open at the window's corner.
    wxPoint position = event.GetPosition();
    position = position == wxDefaultPosition ? wxPoint(0, 0) : ScreenToClient(position);
    if (wxMenu* menu = control_->popupMenu(position.x, position.y))
        PopupMenu(menu, position);
}

void ControlWindow::onMenu(wxCommandEvent& event)
{
    if (control_)
        control_->onMenuCommand(event.GetId());
}
