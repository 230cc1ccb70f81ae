#pragma once
// Picks a (row, column) pair of values with one choice, such as a part's
// voice as bank and number; up to two extra labelled items stand for the
// whole first row and for the last row. Owned like every control by its
// group's entry.
#include "controls/GridSelectorIndex.h"
#include "controls/GridSelectorLayout.h"
#include "controls/ValueLabelControl.h"

#include <functional>

class GridSelectorControl : public ValueLabelControl {
public:
    static constexpr RoleId roleRow = 272;
    static constexpr RoleId roleColumn = 273;

    // The text of the item at a row and column, both counted from their
    // parameters' minimums (a patch library's names, for instance).
    using RowLabelSource = std::function<RefString(std::int32_t row, std::int32_t column)>;

    GridSelectorControl(wxWindow* parent, const ControlStyle& style);

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
    Control& setValueLabels(const LabelList* labels) override;

    void onSetFocus() override;
    void onDisplayTablesChanged() override { fitCells(); }

    const GridSelectorGeometry& geometry() const { return layout_.geometry(); }
    RefString itemText(std::int32_t item) const;

    // Selection target. The choice made in the popup sets both parameters
    // in one undo step named after the control; items outside the grid are
    // ignored.
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
    void fitCells() override;
    CellLayout& popupLayout() override { return layout_; }
    // The item's face in the context's font: an extra label, a picture or a text.
    void drawValueAt(wxDC& dc, std::int32_t item, const wxColour& colour, const wxRect& box, bool centred) override;

private:
    // Size of a bound parameter's full range, 0 when the role is unbound.
    std::int32_t rangeOf(RoleId role) const;
    std::int32_t offsetOf(RoleId role) const;
    // Rows are the strips of the popup, columns the items of each strip.
    void reshape();
    void itemTablesChanged();
    // The number of the item among the grid's regular items.
    std::int32_t regularItem(std::int32_t item) const;

    RefString firstLabel_;
    RefString secondLabel_;
    const LabelList* itemLabels_ = nullptr;
    const wxBitmap* itemPictures_ = nullptr;
    RowLabelSource rowLabels_;
    GridSelectorLayout layout_;
    GridSelectorIndex index_;
};
