#pragma once
// Picks a (row, column) pair of values with one choice, such as a part's
// voice as bank and number; up to two extra labelled items stand for the
// whole first row and for the last row. Owned like every control by its
// group's entry.
#include "controls/GridSelectorIndex.h"
#include "controls/GridSelectorLayout.h"
#include "controls/ValueLabelControl.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include <wx/gdicmn.h>

class MappedCellLayout;

class GridSelectorControl : public ValueLabelControl {
public:
    static constexpr RoleId roleRow = 272;
    static constexpr RoleId roleColumn = 273;

    // The text of the item at a row and column, both counted from their
    // parameters' minimums (a patch library's names, for instance).
    using RowLabelSource = std::function<RefString(std::int32_t row, std::int32_t column)>;

    GridSelectorControl(wxWindow* parent, const ControlStyle& style);
    ~GridSelectorControl() override;

    // An empty text leaves its extra item out; an extra, once given, stays.
    void setLabels(const RefString& first, const RefString& second);
    bool hasFirstLabel() const { return !firstLabel_.isEmpty(); }
    // Item k of the grid (after the first row, when it is shown) shows label
    // k or picture k instead of the decimal k. Neither is owned.
    void setItemLabels(const LabelList* labels);
    void setItemPictures(const wxBitmap* pictures);
    // Item texts from a source by row and column; a null source goes back
    // to the item labels.
    void setRowLabels(RowLabelSource source);
    // The source's text at one row and column changed: only it is measured
    // again.
    void rowLabelChanged(std::int32_t row, std::int32_t column);
    Control& setValueLabels(const LabelList* labels) override;

    // Shows only the regular items whose text holds text at position, as a
    // plain list; a null text shows the grid again.
    void setItemFilter(const RefString& text, std::size_t position);
    bool hasItemFilter() const { return filter_ != nullptr; }
    // Strip (row of the row parameter, counted from its minimum) offers only
    // its first items items; 0 offers all of them again.
    void limitStrip(std::int32_t strip, std::int32_t items);

    void onSetFocus() override;
    void onDisplayTablesChanged() override { itemsChanged(); }

    const GridSelectorGeometry& geometry() const { return layout_.geometry(); }
    RefString itemText(std::int32_t item) const;
    // What the item's cell shows in words: an extra label, or the item's text.
    RefString cellText(std::int32_t item) const;

    // Selection target. The choice made in the popup sets both parameters
    // in one undo step named after the control, once both their guards let
    // it; items outside the grid are ignored.
    void select(std::int32_t item) override;
    std::int32_t currentIndex() const override;
    // The cell that shows the current item: the first row or the last cell
    // stands for every item of its strip.
    std::int32_t currentCell() const override;

    // Item source.
    std::int32_t itemCount() const override { return index_.itemCount(); }
    bool itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const override;

protected:
    void onBind(RoleId role, Parameter* parameter) override;
    // Sizes the popup's cells to the widest and tallest item and label.
    void fitCells(wxDC& dc) override;
    CellLayout& popupLayout() override { return layout_; }
    // The item's face in the context's font: an extra label, a picture or a text.
    void drawValueAt(wxDC& dc, std::int32_t item, const wxColour& colour, const wxRect& box, bool centred) override;

private:
    class FilterSource;

    // Size of a bound parameter's full range, 0 when the role is unbound.
    std::int32_t rangeOf(RoleId role) const;
    std::int32_t offsetOf(RoleId role) const;
    // Rows are the strips of the popup, columns the items of each strip.
    void reshape();
    void itemTablesChanged();
    // Shown by the first row's extra cell.
    bool inFirstRow(std::int32_t item) const;
    // The number of the item among the grid's regular items.
    std::int32_t regularItem(std::int32_t item) const;
    // The items listed by text: the grid's, less the first row when shown.
    std::int32_t firstTextItem() const { return hasFirstLabel() ? index_.columns() : 0; }
    std::int32_t gridItems() const { return index_.columns() * std::max(rangeOf(roleRow), 1); }
    bool hasItemPictures() const;
    wxSize measureItem(wxDC& dc, std::int32_t item) const;
    // Cells as large as the largest item or label measured.
    void sizeCells();

    RefString firstLabel_;
    RefString secondLabel_;
    const LabelList* itemLabels_ = nullptr;
    const wxBitmap* itemPictures_ = nullptr;
    RowLabelSource rowLabels_;
    GridSelectorLayout layout_;
    GridSelectorIndex index_;
    std::unique_ptr<FilterSource> filterSource_;
    std::unique_ptr<MappedCellLayout> filter_;
    // By item; the extra labels' together.
    std::vector<wxSize> itemExtents_;
    wxSize labelExtent_;
};
