#include "gui/GridCellLayout.h"

#include "gui/WxLayout.h"

#include <wx/dc.h>

void GridCellLayout::draw(wxDC& dc, int width, int height, int scrollX, int scrollY, std::int32_t highlighted)
{
    paintGridLines(dc, width, height, scrollX, scrollY);
    drawCellsInView(dc, width, height, scrollX, scrollY, highlighted);
}

void GridCellLayout::paintGridLines(wxDC& dc, int width, int height, int scrollX, int scrollY)
{
    const std::vector<LayoutRect> strips = gapStripsInView(width, height, scrollX, scrollY);
    if (strips.empty())
        return;
    dc.SetBrush(wxBrush(gapColour_));
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (const LayoutRect& strip : strips)
        dc.DrawRectangle(toWxRect(strip));
}

void GridCellLayout::drawCellsInView(wxDC& dc, int width, int height, int scrollX, int scrollY,
                                     std::int32_t highlighted)
{
    for (const ViewCell& cell : cellsInView(width, height, scrollX, scrollY))
        source().drawItem(dc, cell.index, cell.index == highlighted, cell.rect, 0);
}
