#pragma once
// A filtered view of a popup's items: a cell grid over only those items of
// the source whose text holds a given text at a given position. Owned by the
// control whose popup it filters; the source must outlive it.
#include "gui/GridCellLayout.h"
#include "layout/PopupItemSource.h"

#include <cstdint>
#include <vector>

class MappedCellLayout : public PopupItemSource {
public:
    MappedCellLayout(PopupItemSource& source, int margin);

    // Keeps the source items that match, in their order.
    void rebuild(const char16_t* text, std::size_t position);
    // The source item shown as cell index, or -1 for no shown cell.
    std::int32_t sourceIndex(std::int32_t index) const;
    // The cell that shows a source item, or -1 when it is filtered out.
    std::int32_t shownIndex(std::int32_t source) const;
    GridCellLayout& layout() { return grid_; }

    void drawItem(wxDC& dc, std::int32_t index, bool highlighted, const LayoutRect& cell, int flags) override;
    std::int32_t itemCount() const override;
    bool itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const override;

private:
    PopupItemSource& source_;
    std::vector<std::int32_t> indices_;
    GridCellLayout grid_;
};
