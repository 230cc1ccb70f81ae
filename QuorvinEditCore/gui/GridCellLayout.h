#pragma once
// The cell grid of the popup lists and the memory grid view: gaps painted in
// the gap colour, every cell in view drawn by the item source. Owned by the
// window or control that shows it.
#include "layout/CellGrid.h"

#include <wx/colour.h>

class GridCellLayout : public CellGrid {
public:
    explicit GridCellLayout(PopupItemSource& source) : CellGrid(source) {}

    void draw(wxDC& dc, int width, int height, int scrollX, int scrollY, std::int32_t highlighted) override;

    void setGapColour(const wxColour& colour) { gapColour_ = colour; }

protected:
    void paintGridLines(wxDC& dc, int width, int height, int scrollX, int scrollY);
    void drawCellsInView(wxDC& dc, int width, int height, int scrollX, int scrollY, std::int32_t highlighted);

private:
    wxColour gapColour_{0, 0, 0};
};
