#pragma once
// The borderless list that a value-label control opens over itself to pick
// one item with the mouse or the keys. Shows a cell layout drawn by the
// owner's item source, scrolls when the pointer nears an edge, and reports
// the pick to the owner. A popup window, which no window manager places,
// decorates or focuses: it lies exactly where it is put, and the owner keeps
// the keys. Only one is open at a time. Closes when its owner's page is
// switched, when the user turns to another application, and by itself when
// its owner leaves the screen another way. Owned by the control that opens
// it; the layout and the owner's interfaces outlive it.
#include "layout/ItemPicker.h"
#include "layout/ItemPickerListener.h"
#include "layout/ItemPickerView.h"
#include "popup/PopupScroller.h"

#include <wx/popupwin.h>
#include <wx/timer.h>

class CellLayout;
class PopupAnchor;
class PopupSelectionTarget;
struct ControlStyle;

class PopupListDialog : public wxPopupWindow, public ItemPickerView, public ItemPickerListener {
public:
    // Milliseconds between auto-scroll steps.
    static constexpr int autoScrollPeriodMs = 8;

    PopupListDialog(PopupAnchor& anchor, PopupSelectionTarget& target, const ControlStyle& style);
    ~PopupListDialog() override;

    // The layout shown from the next opening on; null shows nothing.
    void setLayout(CellLayout* layout) { layout_ = layout; }
    void setScrollExtents(LayoutSize extents) { scroller_.reset(extents); }
    // Places the list over its owner, hovers nothing, shows itself and then
    // takes the mouse. Owners call it while the list is hidden.
    void popup();

    // A key pressed while the list is open; the owner, which keeps the
    // keyboard focus, passes its keys on.
    bool takeKey(int keyCode) { return picker_.onKeyDown(keyCode); }
    // For owners: passes the key to their list while it is open. False when
    // no list is open, or the key closed it without taking it (Tab), so the
    // owner handles the key itself.
    static bool passKeyWhileOpen(PopupListDialog* popup, wxKeyEvent& event);
    // Cancels the list that is open, if any. Called when the page changes:
    // left open over the new page, the list would keep the mouse while the
    // keys go to the page's controls.
    static void cancelOpenList();

    const PopupScroller& scroller() const { return scroller_; }
    std::int32_t hoverIndex() const { return picker_.hoverIndex(); }

    // Picker view.
    CellLayout* layout() override { return layout_; }
    LayoutPoint toLayout(LayoutPoint windowPoint) const override;
    LayoutPoint toWindow(LayoutPoint layoutPoint) const override;
    void showCell(std::int32_t index) override;
    void refreshRect(const LayoutRect& windowRect, bool erase) override;

    // Picker listener: hides the list, then hands a pick (not -1) on. The
    // current index is the current item's cell, where keys start.
    void choose(std::int32_t index) override;
    std::int32_t currentIndex() const override;

private:
    LayoutSize windowSize() const;
    void autoScrollAtPointer();
    void onPaint(wxPaintEvent& event);
    void onWheel(wxMouseEvent& event);
    void onTimer(wxTimerEvent& event);
    void onIdle(wxIdleEvent& event);
    void onApplicationActivate(wxActivateEvent& event);

    PopupAnchor& anchor_;
    PopupSelectionTarget& target_;
    const ControlStyle& style_;
    CellLayout* layout_ = nullptr;
    PopupScroller scroller_;
    ItemPicker picker_{*this, this};
    // Only one list is open at a time (it holds the mouse), so each list's
    // own timer runs only while it is shown.
    wxTimer timer_{this};
    // The one list that is open (it holds the mouse); null when none is.
    static inline PopupListDialog* openList_ = nullptr;
};
