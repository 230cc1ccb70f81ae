#pragma once
// A control that shows its current item as a text in a box and opens a popup
// list of every item on a click or Enter. Subclasses say what the items are.
// Owned by its control group's entry; it owns its popup.
#include "controls/Control.h"
#include "layout/PopupItemSource.h"
#include "popup/LazyPopupList.h"
#include "popup/PopupAnchor.h"
#include "popup/PopupSelectionTarget.h"

class CellLayout;

class ValueLabelControl : public Control, public PopupAnchor, public PopupItemSource, public PopupSelectionTarget {
public:
    // Room kept at the right for the arrow.
    static constexpr int arrowSpace = 8;

    ValueLabelControl(wxWindow* parent, const ControlStyle& style);

    // Narrower than its widest item, the control still shows the arrow and
    // cuts the item at the arrow.
    void setClipWhenNarrow(bool clip) { clipWhenNarrow_ = clip; }
    bool clipsWhenNarrow() const { return clipWhenNarrow_; }
    // Null until the list first opens, and once the top-level window took
    // it down with it.
    PopupListDialog* popupList() const { return popup_.get(); }

    // Anchor.
    wxWindow* parentWindow() const override;
    wxPoint position() const override;
    wxPoint bottomRight() const override;
    bool shownOnScreen() const override;

    // Item source: the hovered cell filled, the current item in its own colour.
    void drawItem(wxDC& dc, std::int32_t index, bool highlighted, const LayoutRect& cell, int flags) override;

    void onMouseDown(wxMouseEvent& event) override;
    void onMouseUp(wxMouseEvent& event) override;
    void onCaptureLost() override;
    void onKeyDown(wxKeyEvent& event) override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

protected:
    std::int32_t* defaultValueSlot() override { return &defaultValue_; }
    void onBind(RoleId role, Parameter* parameter) override;

    // Sizes the popup's cells to the items as measured on dc, which holds
    // the fixed font.
    virtual void fitCells(wxDC& dc) = 0;
    // The items changed: their cells are sized again before they are next
    // drawn or listed, once however many changes came before.
    void itemsChanged() { cellsFitted_ = false; }
    bool cellsFitted() const { return cellsFitted_; }
    // The layout the popup shows when no filter is set.
    virtual CellLayout& popupLayout() = 0;
    // popupLayout with its cells sized to the items, measured on a context
    // of the window, or on dc: a context made on the window while it paints
    // changes what the paint shows.
    CellLayout& fittedLayout();
    CellLayout& fittedLayout(wxDC& dc);
    virtual void drawValueAt(wxDC& dc, std::int32_t index, const wxColour& colour, const wxRect& box,
        bool centred) = 0;

    void openPopup();
    // The layout the list shows from its next opening on.
    void showLayout(CellLayout& layout) { popup_.setLayout(&layout); }

private:
    void drawArrow(wxDC& dc, int width, int height) const;

    LazyPopupList popup_;
    std::int32_t defaultValue_ = noDefault;
    bool clipWhenNarrow_ = false;
    bool cellsFitted_ = false;
};
