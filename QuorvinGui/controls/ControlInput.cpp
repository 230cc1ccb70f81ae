// The user input of every control: focus, keys, wheel, selection, the
// Init/Copy/Paste menu and pop-out.
#include "controls/Control.h"

#include "controls/ControlCopyBuffer.h"
#include "controls/ControlKeys.h"
#include "controls/ControlWindow.h"
#include "controls/DisplayPlacement.h"
#include "controls/ValueStep.h"
#include "gui/DialogPlacement.h"
#include "params/Parameter.h"
#include "undo/CommandList.h"

#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/toplevel.h>

#include <algorithm>

namespace {

// A two-valued parameter toggles on Enter.
constexpr std::int64_t toggleSpan = 2;
constexpr int popOutFactor = 2;

wxMenu* makeContextMenu()
{
    auto* menu = new wxMenu;
    menu->Append(Control::menuInit, _("&Init\tCtrl-I"), _("Init the parameter values of this object"));
    menu->Append(Control::menuCopy, _("&Copy\tCtrl-C"), _("Copy the parameter values of this object"));
    menu->Append(Control::menuPaste, _("&Paste\tCtrl-V"), _("Paste the copied parameter values to this object"));
    return menu;
}

} // namespace

// --- Focus and mouse ----------------------------------------------------------

void Control::onLeftDown(wxMouseEvent& event)
{
    if (!noFocus_ && window_)
        window_->SetFocus();
    if (event.ControlDown()) {
        if (selectable_)
            toggleSelected(*this, !isSelected(*this));
        return;
    }
    onMouseDown(event);
}

void Control::onMotion(wxMouseEvent& event)
{
    followPointer();
    onMouseMove(event);
}

void Control::followPointer()
{
    if (noFocus_ || !window_)
        return;
    if (restingPointer_) {
        if (*restingPointer_ == wxGetMousePosition())
            return;
        restingPointer_.reset();
    }
    if (!window_->HasFocus()) {
        if (!holdsActiveWindow())
            return;
        window_->SetFocus();
        if (!window_->HasFocus())
            return;
    }
    // Back from a caption or the page: the window kept the focus, the keys
    // had let it go.
    if (focused_ != this)
        onSetFocus();
}

void Control::followPointerWithin(const wxWindow& root)
{
    restingPointer_.reset();
    // A control of a page just hidden gets no leave event: without this it
    // would stay the one MIDI learn binds while another page shows.
    if (focused_ && focused_->window_ && !focused_->window_->IsShownOnScreen())
        focused_->pointerLeft();
    wxPoint pointer;
    auto* under = dynamic_cast<ControlWindow*>(wxFindWindowAtPointer(pointer));
    if (under && under->control() && root.IsDescendant(under))
        under->control()->followPointer();
}

bool Control::holdsActiveWindow() const
{
    // After a page switch the focus may be nowhere, or on a page that is
    // hidden; the window being active is what counts.
    auto* topLevel = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(window_));
    if (!topLevel)
        return false;
    const wxWindow* focus = wxWindow::FindFocus();
    return topLevel->IsActive() || (focus && wxGetTopLevelParent(const_cast<wxWindow*>(focus)) == topLevel);
}

void Control::pointerLeft()
{
    // A drag goes on outside the window; otherwise the keys must not change
    // a control the pointer has left for something that takes no focus.
    if (focused_ != this || (window_ && window_->HasCapture()))
        return;
    onKillFocus();
    focused_ = nullptr;
    if (showsFocus())
        refreshRect(nullptr);
}

void Control::onSetFocus()
{
    moveRoleCursorToFirst();
    Control* previous = focused_;
    focused_ = this;
    if (previous && previous != this && previous->showsFocus())
        previous->refreshRect(nullptr);
    if (showsFocus())
        refreshRect(nullptr);
}

void Control::onKillFocus()
{
    roleCursor_.reset();
    closeKeyGroup();
}

void Control::onMouseWheel(wxMouseEvent& event)
{
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL || event.GetWheelDelta() == 0) {
        event.Skip();
        return;
    }
    const int notches = event.GetWheelRotation() / event.GetWheelDelta();
    if (notches == 0)
        return;
    if (event.ControlDown()) {
        if (notches > 0)
            popOut(*this);
        else
            popIn(*this, false);
        return;
    }
    // The wheel turns the control under the pointer, even one the pointer
    // has not moved on since it came to lie there.
    followPointer();
    // Each notch is its own undo step: no group is opened.
    Parameter* parameter = currentParameter();
    if (!parameter)
        return;
    // The lowest number means "no value", so the sum stops above it.
    const std::int64_t target = std::int64_t(parameter->getValue()) + notches;
    parameter->trySetValue(std::int32_t(std::clamp<std::int64_t>(target, Parameter::noValue + 1, INT32_MAX)),
        flagsUserEdit, notches > 0);
}

// --- Keyboard -------------------------------------------------------------------

void Control::onKeyDown(wxKeyEvent& event)
{
    switch (controlKeyAction(event.GetKeyCode(), event.ControlDown())) {
    case ControlKeyAction::pass:
        event.Skip();
        break;
    case ControlKeyAction::copy:
        copyValues(*this);
        break;
    case ControlKeyAction::init:
        initByUser();
        break;
    case ControlKeyAction::paste:
        pasteValues(*this);
        break;
    case ControlKeyAction::popOut:
        popOut(*this);
        break;
    case ControlKeyAction::popIn:
        popIn(*this, false);
        break;
    case ControlKeyAction::navigate:
        navigate(*this, event.ShiftDown());
        break;
    case ControlKeyAction::enter:
        onEnterKey();
        break;
    case ControlKeyAction::escape:
        popIn(*this, true);
        break;
    case ControlKeyAction::previousRole:
        walkRoles(true);
        break;
    case ControlKeyAction::nextRole:
        walkRoles(false);
        break;
    case ControlKeyAction::firstRole:
        moveRoleCursorToFirst();
        refreshRect(nullptr);
        break;
    case ControlKeyAction::lastRole:
        moveRoleCursorToLast();
        refreshRect(nullptr);
        break;
    case ControlKeyAction::stepUp:
        stepCurrent(true);
        break;
    case ControlKeyAction::stepDown:
        stepCurrent(false);
        break;
    }
}

void Control::onKeyUp(wxKeyEvent& event)
{
    closeKeyGroup();
    event.Skip();
}

void Control::walkRoles(bool backward)
{
    if (moveRoleCursor(backward))
        navigate(*this, backward);
    else
        refreshRect(nullptr);
}

void Control::onEnterKey()
{
    if (roles_.size() == 1) {
        Parameter& only = *roles_.begin()->second;
        if (std::int64_t(only.maximum()) - only.minimum() + 1 <= toggleSpan) {
            only.stepUp(flagsUserEdit);
            return;
        }
    }
    if (!isPoppedOut())
        popOut(*this);
}

void Control::stepCurrent(bool upward)
{
    Parameter* parameter = currentParameter();
    if (!parameter)
        return;
    openKeyGroup();
    stepValue(*parameter, upward, flagsUserEdit);
}

void Control::openKeyGroup()
{
    if (keyGroupOpen_)
        return;
    beginCommandGroup(path_.text(), flagsUserEdit);
    keyGroupOpen_ = true;
}

void Control::closeKeyGroup()
{
    if (!keyGroupOpen_)
        return;
    keyGroupOpen_ = false;
    endCommandGroup(flagsUserEdit);
}

// --- Role cursor ------------------------------------------------------------------

bool Control::moveRoleCursor(bool backward)
{
    if (roles_.empty())
        return true;
    if (!roleCursor_) {
        if (backward)
            moveRoleCursorToLast();
        else
            moveRoleCursorToFirst();
        return false;
    }
    auto at = roles_.find(*roleCursor_);
    if (backward) {
        if (at == roles_.begin()) {
            moveRoleCursorToLast();
            return true;
        }
        roleCursor_ = std::prev(at)->first;
        return false;
    }
    if (++at == roles_.end()) {
        moveRoleCursorToFirst();
        return true;
    }
    roleCursor_ = at->first;
    return false;
}

void Control::moveRoleCursorToFirst()
{
    if (roles_.empty())
        roleCursor_.reset();
    else
        roleCursor_ = roles_.begin()->first;
}

void Control::moveRoleCursorToLast()
{
    if (roles_.empty())
        roleCursor_.reset();
    else
        roleCursor_ = roles_.rbegin()->first;
}

void Control::moveRoleCursorTo(RoleId role)
{
    if (roles_.contains(role))
        roleCursor_ = role;
    else
        roleCursor_.reset();
}

void Control::navigate(Control& control, bool backward)
{
    restingPointer_ = wxGetMousePosition();
    if (control.window_)
        control.window_->Navigate(
            wxNavigationKeyEvent::FromTab | (backward ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward));
}

// --- Menu, copy and paste ---------------------------------------------------------

wxMenu* Control::popupMenu(int, int)
{
    // Shared by every control and kept for the program's life.
    static wxMenu* const menu = makeContextMenu();
    return menu;
}

void Control::onMenuCommand(int id)
{
    if (id == menuInit)
        initByUser();
    else if (id == menuCopy)
        copyValues(*this);
    else if (id == menuPaste)
        pasteValues(*this);
}

void Control::initByUser()
{
    if (selectable_)
        init(flagsUserEdit);
}

void Control::copyValues(const Control& control) { ControlCopyBuffer::instance().copy(control.roles_); }

void Control::pasteValues(Control& control)
{
    if (control.selectable_)
        ControlCopyBuffer::instance().paste(control.roles_, flagsUserEdit);
}

// --- Selection ------------------------------------------------------------------------

void Control::toggleSelected(Control& control, bool select)
{
    const bool present = isSelected(control);
    if (select && !present)
        selected_.push_back(&control);
    else if (!select)
        std::erase(selected_, &control);
    control.refreshRect(nullptr);
}

bool Control::isSelected(const Control& control)
{
    return std::find(selected_.begin(), selected_.end(), &control) != selected_.end();
}

void Control::clearSelection()
{
    const std::vector<Control*> previous = std::exchange(selected_, {});
    for (Control* control : previous)
        control->refreshRect(nullptr);
}

std::vector<Parameter*> Control::focusedParameters()
{
    if (focused_ && focused_->selectable_)
        return focused_->getParameters();
    return {};
}

// --- Pop-out --------------------------------------------------------------------------

void Control::popOut(Control& control)
{
    if (!control.popOutAllowed_ || !control.window_)
        return;
    if (control.isPoppedOut())
        control.resizePoppedOut(true);
    else
        control.runModalPopOut();
}

void Control::popIn(Control& control, bool all)
{
    if (!control.isPoppedOut())
        return;
    const int width = control.popOutWindow_->GetClientSize().x;
    if (!all && width > control.popOutSize(control.savedRect_.GetSize()).x)
        control.resizePoppedOut(false);
    else
        control.popOutWindow_->EndModal(wxID_CANCEL);
}

wxSize Control::popOutSize(const wxSize& home) const { return home * popOutFactor; }

wxColour Control::popOutBackground() const
{
    if (!backgroundBitmap_ || !backgroundBitmap_->IsOk())
        return window_->GetBackgroundColour();
    const wxPoint centre(savedRect_.x + savedRect_.width / 2, savedRect_.y + savedRect_.height / 2);
    const wxRect bitmapArea(0, 0, backgroundBitmap_->GetWidth(), backgroundBitmap_->GetHeight());
    if (!bitmapArea.Contains(centre))
        return window_->GetBackgroundColour();
    const wxImage pixel = backgroundBitmap_->GetSubBitmap(wxRect(centre, wxSize(1, 1))).ConvertToImage();
    return wxColour(pixel.GetRed(0, 0), pixel.GetGreen(0, 0), pixel.GetBlue(0, 0));
}

wxRect Control::savedScreenRect() const
{
    const wxWindow* parent = homeParent_ ? homeParent_ : window_->GetParent();
    return wxRect(parent->ClientToScreen(savedRect_.GetPosition()), savedRect_.GetSize());
}

void Control::runModalPopOut()
{
    savedRect_ = window_->GetRect();
    homeParent_ = window_->GetParent();
    wxRect fitted(wxPoint(), popOutSize(savedRect_.GetSize()));
    if (!fitRectOnDisplay(savedScreenRect(), fitted)) {
        homeParent_ = nullptr;
        return;
    }
    // The window goes back before the sibling that follows it now, so the
    // tab order stays as it was. The dialogs among the children take no
    // tab place, and an earlier pop-out's may still await its deletion.
    const wxWindowList& siblings = homeParent_->GetChildren();
    const auto at = std::find(siblings.begin(), siblings.end(), window_);
    const auto next = at == siblings.end()
        ? at
        : std::find_if(std::next(at), siblings.end(), [](const wxWindow* sibling) { return !sibling->IsTopLevel(); });
    wxWindow* follower = next == siblings.end() ? nullptr : *next;

    // No caption and no border: the window manager is asked to add nothing,
    // so the control gets the whole size under every window manager.
    auto* dialog = new wxDialog(homeParent_, wxID_ANY, wxEmptyString, fitted.GetPosition(), fitted.GetSize(),
        wxBORDER_NONE, "dialog");
    dialog->SetBackgroundColour(popOutBackground());
    popOutWindow_ = dialog;
    window_->Reparent(dialog);
    window_->SetSize(0, 0, fitted.width, fitted.height);
    dialog->SetSize(fitted);
    // The toolkit may have sized the dialog for a frame the window manager
    // does not add: once shown, it takes its size and place again.
    placeWhenShown(*dialog, [dialog, fitted] {
        dialog->SetClientSize(fitted.GetSize());
        dialog->Move(fitted.GetPosition());
    });
    dialog->ShowModal();

    if (window_) {
        window_->Reparent(homeParent_);
        if (follower)
            window_->MoveBeforeInTabOrder(follower);
        window_->SetSize(savedRect_);
    }
    popOutWindow_ = nullptr;
    homeParent_ = nullptr;
    dialog->Destroy();
}

void Control::resizePoppedOut(bool grow)
{
    const wxSize size = popOutWindow_->GetClientSize();
    wxRect fitted(wxPoint(), grow ? size * popOutFactor : size / popOutFactor);
    if (!fitRectOnDisplay(savedScreenRect(), fitted) && grow)
        return;
    window_->SetSize(0, 0, fitted.width, fitted.height);
    popOutWindow_->SetSize(fitted);
    window_->Refresh(false);
}
