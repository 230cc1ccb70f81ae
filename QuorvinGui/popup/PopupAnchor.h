#pragma once
// What a popup list needs of the control that opens it: the window to make
// itself on and where the control lies on the screen. The control implements
// it; the popup does not own it.
#include <wx/gdicmn.h>

class wxWindow;

class PopupAnchor {
public:
    virtual ~PopupAnchor() = default;
    // The top-level window that holds the control.
    virtual wxWindow* parentWindow() const = 0;
    // The control's top-left corner on the screen.
    virtual wxPoint position() const = 0;
    // position plus the control's client size.
    virtual wxPoint bottomRight() const = 0;
    // False once the control's page (or window) is hidden: its list closes.
    virtual bool shownOnScreen() const = 0;
};
