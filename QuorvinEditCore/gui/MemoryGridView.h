#pragma once
// A scrollable grid of a patch collection's memory slots (the device's
// library), each cell showing the slot's label, in which the user points at
// and chooses one slot with the mouse or the keys. The body of the
// internal-memory dialog, which owns it; the collection must outlive it.
#include "gui/GridCellLayout.h"
#include "layout/ItemPicker.h"
#include "layout/ShownBanks.h"
#include "patches/LabelsObserver.h"

#include <wx/scrolwin.h>

#include <memory>

class PatchCollection;

class MemoryGridView : public wxScrolledWindow,
                       public PopupItemSource,
                       public ItemPickerView,
                       public ItemPickerListener,
                       public LabelsObserver {
public:
    // Text inset inside a cell.
    static constexpr int margin = 6;

    MemoryGridView(wxWindow* parent, PatchCollection& library);
    ~MemoryGridView() override;

    void selectFirstOnly() { shownBanks_.showFirstOnly(); }
    // Sizes the cells to the widest and tallest label and the window to the
    // grid, never beyond the maximum; the rest is reached by scrolling.
    void fitToContents(int maxWidth, int maxHeight);
    // Forgets the choice, hover and press, as when the dialog opens again.
    void resetChoice();

    void setHoverColour(const wxColour& colour) { hoverColour_ = colour; }
    void setSelectionColour(const wxColour& colour) { selectionColour_ = colour; }
    void setEntryLimit(std::uint32_t limit) { shownBanks_.setEntryLimit(limit); }
    std::int32_t selection() const { return selection_; }

    // Item source.
    void drawItem(wxDC& dc, std::int32_t index, bool hovered, const LayoutRect& cell, int flags) override;
    std::int32_t itemCount() const override;
    bool itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const override;

    // Picker view.
    CellLayout* layout() override { return layout_.get(); }
    LayoutPoint toLayout(LayoutPoint windowPoint) const override;
    LayoutPoint toWindow(LayoutPoint layoutPoint) const override;
    // Hovering a cell never scrolls: the pointer would lose the cell it is on.
    void showCell(std::int32_t /*index*/) override {}
    void refreshRect(const LayoutRect& windowRect, bool erase) override;

    // Picker listener: choosing marks the cell, it never closes the dialog.
    void choose(std::int32_t index) override;
    std::int32_t currentIndex() const override { return selection_; }

    void labelsChanged() override { Refresh(); }

private:
    RefString labelOf(std::int32_t index) const;
    void refreshCell(std::int32_t index);
    void onPaint(wxPaintEvent& event);

    PatchCollection& library_;
    std::unique_ptr<GridCellLayout> layout_;
    ShownBanks shownBanks_;
    ItemPicker picker_{*this, this};
    std::int32_t selection_ = -1;
    wxColour hoverColour_{255, 255, 255, 150};
    wxColour selectionColour_{0, 0, 0, 20};
};
