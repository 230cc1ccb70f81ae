#pragma once
// The popup list of a control, made the first time it opens: a page has
// hundreds of choice controls, most never opened, and each list is a
// toolkit window. Owned by the control; it destroys the list it made.
#include "popup/PopupListDialog.h"

#include <wx/weakref.h>

class CellLayout;
class PopupAnchor;
class PopupSelectionTarget;
struct ControlStyle;

class LazyPopupList {
public:
    LazyPopupList(PopupAnchor& anchor, PopupSelectionTarget& target, const ControlStyle& style);
    // Cancelling gives the mouse back and stops the list's timer first.
    ~LazyPopupList();
    LazyPopupList(const LazyPopupList&) = delete;
    LazyPopupList& operator=(const LazyPopupList&) = delete;

    // Null before the first opening, and once the top-level window took
    // the list down with it (a pop-out's dialog, or the main window).
    PopupListDialog* get() const { return popup_.get(); }
    // The layout shown from the next opening on.
    void setLayout(CellLayout* layout);
    // Makes the list when there is none, and shows it when hidden.
    void open();

private:
    PopupAnchor& anchor_;
    PopupSelectionTarget& target_;
    const ControlStyle& style_;
    CellLayout* layout_ = nullptr;
    // The top-level window may destroy its popups before the page's controls go.
    wxWeakRef<PopupListDialog> popup_;
};
