#include "controls/GridSelectorLayout.h"

#include "gui/Drawing.h"
#include "layout/CellGrid.h"
#include "layout/PopupItemSource.h"

#include <wx/dc.h>

LayoutSize GridSelectorLayout::cellPitch() const
{
    const LayoutSize cell = geometry_.cellSize();
    return {cell.width + geometry_.gap(), cell.height + geometry_.gap()};
}

bool GridSelectorLayout::lights(std::int32_t item, std::int32_t highlighted) const
{
    if (highlighted < 0)
        return false;
    if (geometry_.isFirstRowItem(item))
        return geometry_.isFirstRowItem(highlighted);
    if (geometry_.isLastCellItem(item))
        return geometry_.isLastCellItem(highlighted);
    return item == highlighted;
}

void GridSelectorLayout::paintGaps(wxDC& dc, int width, int height, int scrollX, int scrollY) const
{
    fillRects(dc,
        CellGrid::gapStrips(geometry_.margin(), geometry_.cellSize(), geometry_.gap(), {scrollX, scrollY, width, height}),
        gapColour_);
}

void GridSelectorLayout::draw(wxDC& dc, int width, int height, int scrollX, int scrollY, std::int32_t highlighted)
{
    paintGaps(dc, width, height, scrollX, scrollY);
    const LayoutSize pitch = cellPitch();
    const int margin = geometry_.margin();
    for (int row = 0; row < geometry_.rows(); ++row) {
        const int y = margin + row * pitch.height;
        if (y - scrollY >= height || y + pitch.height - scrollY <= 0)
            continue;
        for (int column = 0; column < geometry_.columns(); ++column) {
            const int x = margin + column * pitch.width;
            const std::int32_t item = geometry_.cellAt(x, y);
            // The first row is one cell; a cell that shows nothing stays empty.
            if (item < 0 || x - scrollX >= width || (geometry_.isFirstRowItem(item) && column > 0))
                continue;
            LayoutRect cell = geometry_.cellRect(item);
            cell.x -= scrollX;
            cell.y -= scrollY;
            source_.drawItem(dc, item, lights(item, highlighted), cell, 0);
        }
    }
}
