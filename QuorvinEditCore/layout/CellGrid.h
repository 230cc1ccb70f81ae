#pragma once
// The arithmetic of a grid of cells numbered down the first column, then down
// the next: hit tests, cell origins, fitting to a height, and which gap strips
// and cells a scrolled view shows. Painting is left to a derived class.
#include "layout/CellLayout.h"
#include "layout/PopupItemSource.h"

#include <cstdint>
#include <vector>

class CellGrid : public CellLayout {
public:
    // A cell the view shows, where it is drawn in the view.
    struct ViewCell {
        std::int32_t index;
        LayoutRect rect;

        friend bool operator==(const ViewCell&, const ViewCell&) = default;
    };

    static constexpr int defaultCellSide = 16;

    explicit CellGrid(PopupItemSource& source) : source_(source) {}

    // A cell is at least one pixel each way, so hit tests never divide by 0.
    void setCellSize(int width, int height) override;
    LayoutSize cellSize() const override { return {cellWidth_, cellHeight_}; }
    LayoutSize cellPitch() const override { return {columnPitch(), rowPitch()}; }
    std::int32_t cellAt(int x, int y) const override;
    LayoutPoint cellOrigin(std::int32_t index) const override;
    LayoutSize fitToHeight(int maxHeight) override;

    // Rows drawn in a column; 0 stands for all rows. Grids with short
    // columns override it.
    virtual int rowsInColumn(int column) const;

    void setShape(int rows, int columns);
    int rows() const { return rows_; }
    int columns() const { return columns_; }
    // Space around the grid and between neighbouring cells; below 0 counts as 0.
    void setMargin(int margin);
    int margin() const { return margin_; }
    void setGap(int gap);
    int gap() const { return gap_; }

    // The strips between cells that a width x height view scrolled by
    // (scrollX, scrollY) shows: upright ones first, then lying ones.
    std::vector<LayoutRect> gapStripsInView(int width, int height, int scrollX, int scrollY) const;
    // The same for any grid of that margin, cell size and gap.
    static std::vector<LayoutRect> gapStrips(int margin, LayoutSize cell, int gap, LayoutRect view);
    // The cells that view shows, column by column, each at its view position.
    std::vector<ViewCell> cellsInView(int width, int height, int scrollX, int scrollY) const;

protected:
    PopupItemSource& source() const { return source_; }

private:
    int columnPitch() const { return cellWidth_ + gap_; }
    int rowPitch() const { return cellHeight_ + gap_; }
    // Extent of count cells in a line, gaps between them only.
    static int spanOf(int count, int cell, int gap) { return count * cell + (count - 1) * gap; }
    void appendColumnInView(std::vector<ViewCell>& cells, int column, int x, int height, int scrollY) const;

    int rows_ = 1;
    int columns_ = 1;
    int cellWidth_ = defaultCellSide;
    int cellHeight_ = defaultCellSide;
    int margin_ = 0;
    int gap_ = 0;
    PopupItemSource& source_;
};
