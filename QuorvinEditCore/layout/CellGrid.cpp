#include "layout/CellGrid.h"

#include <algorithm>

void CellGrid::setCellSize(int width, int height)
{
    cellWidth_ = std::max(1, width);
    cellHeight_ = std::max(1, height);
}

void CellGrid::setShape(int rows, int columns)
{
    rows_ = std::max(0, rows);
    columns_ = std::max(0, columns);
}

void CellGrid::setMargin(int margin) { margin_ = std::max(0, margin); }

void CellGrid::setGap(int gap) { gap_ = std::max(0, gap); }

int CellGrid::rowsInColumn(int /*column*/) const { return 0; }

std::int32_t CellGrid::cellAt(int x, int y) const
{
    x -= margin_;
    y -= margin_;
    if (x < 0 || y < 0)
        return -1;
    // The gap after a cell belongs to it.
    const int column = x / columnPitch();
    const int row = y / rowPitch();
    if (column >= columns_ || row >= rows_)
        return -1;
    const std::int32_t index = rows_ * column + row;
    return index < source_.itemCount() ? index : -1;
}

LayoutPoint CellGrid::cellOrigin(std::int32_t index) const
{
    if (rows_ == 0)
        return {0, 0};
    const int column = index / rows_;
    const int row = index % rows_;
    return {column * columnPitch() + margin_, row * rowPitch() + margin_};
}

LayoutSize CellGrid::fitToHeight(int maxHeight)
{
    const std::int32_t count = std::max(0, source_.itemCount());
    rows_ = count;
    columns_ = 1;
    // Halving keeps columns even; a single row that is still too high stays.
    while (rows_ > 1 && spanOf(rows_, cellHeight_, gap_) > maxHeight) {
        rows_ = rows_ % 2 == 0 ? rows_ / 2 : rows_ - 1;
        columns_ = count / rows_ + (count % rows_ != 0 ? 1 : 0);
    }
    // No items: no rows and no height, rather than a height of minus a gap.
    return {spanOf(columns_, cellWidth_, gap_), std::max(0, spanOf(rows_, cellHeight_, gap_))};
}

std::vector<LayoutRect> CellGrid::gapStripsInView(int width, int height, int scrollX, int scrollY) const
{
    return gapStrips(margin_, {cellWidth_, cellHeight_}, gap_, {scrollX, scrollY, width, height});
}

// The view's x and y are the scroll offsets.
std::vector<LayoutRect> CellGrid::gapStrips(int margin, LayoutSize cell, int gap, LayoutRect view)
{
    std::vector<LayoutRect> strips;
    if (gap <= 0)
        return strips;
    for (int x = margin + cell.width - view.x; x < view.width; x += cell.width + gap)
        if (x > margin - gap)
            strips.emplace_back(x, margin, gap, view.height - 2 * margin);
    for (int y = margin + cell.height - view.y; y < view.height; y += cell.height + gap)
        if (y > margin - gap)
            strips.emplace_back(margin, y, view.width - 2 * margin, gap);
    return strips;
}

std::vector<CellGrid::ViewCell> CellGrid::cellsInView(int width, int height, int scrollX, int scrollY) const
{
    std::vector<ViewCell> cells;
    for (int column = 0, x = margin_ - scrollX; column < columns_ && x < width; ++column, x += columnPitch())
        if (x + cellWidth_ > margin_)
            appendColumnInView(cells, column, x, height, scrollY);
    return cells;
}

void CellGrid::appendColumnInView(std::vector<ViewCell>& cells, int column, int x, int height, int scrollY) const
{
    const int shown = rowsInColumn(column);
    const int rowCount = shown == 0 ? rows_ : shown;
    const std::int32_t count = source_.itemCount();
    std::int32_t index = rows_ * column;
    for (int row = 0, y = margin_ - scrollY; row < rowCount && y < height && index < count;
         ++row, y += rowPitch(), ++index)
        if (y + cellHeight_ > margin_)
            cells.push_back({index, {x, y, cellWidth_, cellHeight_}});
}
