#pragma once
// The cells of a grid selector's popup: strips of items shown side by side,
// each strip one column, with an optional first row that stands for the whole
// first strip and an optional last cell that stands for the whole last strip.
// Plain arithmetic, owned by the layout that paints it.
#include "layout/LayoutGeometry.h"

#include <cstdint>
#include <map>

class GridSelectorGeometry {
public:
    void setShape(int itemsPerStrip, int strips);
    void setCellSize(int width, int height);
    void setMargin(int margin) { margin_ = margin < 0 ? 0 : margin; }
    void setGap(int gap) { gap_ = gap < 0 ? 0 : gap; }
    // Flags are only ever switched on.
    void showFirstRow() { firstRow_ = true; }
    void showLastCell() { lastCell_ = true; }
    // Strip strip offers only its first items items: the cells past them
    // hold none. items 0 lifts the limit.
    void limitStrip(int strip, int items);
    // The items strip offers, at most itemsPerStrip().
    int stripLength(int strip) const;

    int itemsPerStrip() const { return itemsPerStrip_; }
    int strips() const { return strips_; }
    bool hasFirstRow() const { return firstRow_; }
    bool hasLastCell() const { return lastCell_; }
    LayoutSize cellSize() const { return {cellWidth_, cellHeight_}; }
    int margin() const { return margin_; }
    int gap() const { return gap_; }

    // Shown columns and rows: every extra takes a strip out of the columns
    // and adds a row.
    int columns() const;
    int rows() const;
    // The cells without the margins.
    LayoutSize contentSize() const;
    // The item at a point in content coordinates (margins included), or -1
    // for a gap-free miss, a point outside the cells or a cell that shows
    // nothing.
    std::int32_t cellAt(int x, int y) const;
    // Where an item's cell starts; every item of the first strip (with the
    // first row) or of the last strip (with the last cell) lies at that
    // row's or cell's origin.
    LayoutPoint cellOrigin(std::int32_t item) const;
    // The rectangle item is drawn in: the first row spans the whole width.
    LayoutRect cellRect(std::int32_t item) const;
    // The item that stands for a whole strip, at its shown cell.
    bool isFirstRowItem(std::int32_t item) const;
    bool isLastCellItem(std::int32_t item) const;

private:
    int extras() const { return (firstRow_ ? 1 : 0) + (lastCell_ ? 1 : 0); }
    int columnPitch() const { return cellWidth_ + gap_; }
    int rowPitch() const { return cellHeight_ + gap_; }
    // The item a shown column and row hold before checking it is shown there.
    std::int32_t itemAtCell(int column, int row) const;

    static constexpr int defaultCellSide = 16;

    int itemsPerStrip_ = 1;
    int strips_ = 1;
    int cellWidth_ = defaultCellSide;
    int cellHeight_ = defaultCellSide;
    int margin_ = 0;
    int gap_ = 0;
    bool firstRow_ = false;
    bool lastCell_ = false;
    std::map<int, int> stripLimits_;
};
