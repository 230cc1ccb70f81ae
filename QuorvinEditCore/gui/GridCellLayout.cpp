#include "gui/GridCellLayout.h"

#include "gui/Drawing.h"

#include <wx/dc.h>

void GridCellLayout::draw(wxDC& dc, int width, int height, int scrollX, int scrollY, std::int32_t highlighted)
{
    paintGridLines(dc, width, height, scrollX, scrollY);
    drawCellsInView(dc, width, height, scrollX, scrollY, highlighted);
}

void GridCellLayout::paintGridLines(wxDC& dc, int width, int height, int scrollX, int scrollY)
{
    fillRects(dc, gapStripsInView(width, height, scrollX, scrollY), gapColour_);
}

void GridCellLayout::drawCellsInView(wxDC& dc, int width, int height, int scrollX, int scrollY,
                                     std::int32_t highlighted)
{
    for (const ViewCell& cell : cellsInView(width, height, scrollX, scrollY))
        source().drawItem(dc, cell.index, cell.index == highlighted, cell.rect, 0);
}
