#pragma once
// The popup cells of a grid selector: its grid's arithmetic, the gaps in the
// separator colour, each cell drawn by the item source, the first row as one
// wide cell. Owned by the grid selector, whose popup shows it.
#include "controls/GridSelectorGeometry.h"
#include "layout/CellLayout.h"

#include <wx/colour.h>

class PopupItemSource;

class GridSelectorLayout : public CellLayout {
public:
    explicit GridSelectorLayout(PopupItemSource& source) : source_(source) {}

    GridSelectorGeometry& geometry() { return geometry_; }
    const GridSelectorGeometry& geometry() const { return geometry_; }

    void draw(wxDC& dc, int width, int height, int scrollX, int scrollY, std::int32_t highlighted) override;
    void setGapColour(const wxColour& colour) { gapColour_ = colour; }
    void setCellSize(int width, int height) override { geometry_.setCellSize(width, height); }
    LayoutSize cellSize() const override { return geometry_.cellSize(); }
    LayoutSize cellPitch() const override;
    std::int32_t cellAt(int x, int y) const override { return geometry_.cellAt(x, y); }
    LayoutPoint cellOrigin(std::int32_t index) const override { return geometry_.cellOrigin(index); }
    // The grid keeps its shape whatever the height: the popup scrolls.
    LayoutSize fitToHeight(int) override { return geometry_.contentSize(); }

private:
    // Whether the hovered item lights the cell of item.
    bool lights(std::int32_t item, std::int32_t highlighted) const;
    void paintGaps(wxDC& dc, int width, int height, int scrollX, int scrollY) const;

    GridSelectorGeometry geometry_;
    PopupItemSource& source_;
    wxColour gapColour_{0, 0, 0};
};
