#include "controls/GridSelectorGeometry.h"

#include <algorithm>

void GridSelectorGeometry::setShape(int itemsPerStrip, int strips)
{
    itemsPerStrip_ = std::max(1, itemsPerStrip);
    strips_ = std::max(1, strips);
}

void GridSelectorGeometry::setCellSize(int width, int height)
{
    cellWidth_ = std::max(1, width);
    cellHeight_ = std::max(1, height);
}

int GridSelectorGeometry::columns() const
{
    return std::max(1, strips_ - extras());
}

int GridSelectorGeometry::rows() const
{
    return itemsPerStrip_ + extras();
}

LayoutSize GridSelectorGeometry::contentSize() const
{
    return {columns() * cellWidth_ + (columns() - 1) * gap_, rows() * cellHeight_ + (rows() - 1) * gap_};
}

std::int32_t GridSelectorGeometry::itemAtCell(int column, int row) const
{
    int strip = column;
    int inStrip = row;
    if (firstRow_) {
        if (row == 0)
            return 0;
        inStrip -= 1;
        strip += 1;
    }
    if (lastCell_) {
        if (strip >= strips_ - 1)
            return -1;
        if (inStrip == itemsPerStrip_)
            return (strips_ - 1) * itemsPerStrip_;
    }
    if (strip >= strips_ || inStrip >= stripLength(strip))
        return -1;
    return itemsPerStrip_ * strip + inStrip;
}

void GridSelectorGeometry::limitStrip(int strip, int items)
{
    if (items > 0)
        stripLimits_[strip] = items;
    else
        stripLimits_.erase(strip);
}

int GridSelectorGeometry::stripLength(int strip) const
{
    const auto limit = stripLimits_.find(strip);
    return limit == stripLimits_.end() ? itemsPerStrip_ : std::min(limit->second, itemsPerStrip_);
}

std::int32_t GridSelectorGeometry::cellAt(int x, int y) const
{
    const int contentX = x - margin_;
    const int contentY = y - margin_;
    if (contentX < 0 || contentY < 0)
        return -1;
    const int column = contentX / columnPitch();
    const int row = contentY / rowPitch();
    if (column >= columns() || row >= rows())
        return -1;
    const std::int32_t item = itemAtCell(column, row);
    if (item < 0 || (firstRow_ && row == 0))
        return item;
    // A cell under the last cell's row beside it shows nothing.
    const LayoutPoint origin = cellOrigin(item);
    const bool shownHere = origin.x == margin_ + column * columnPitch() && origin.y == margin_ + row * rowPitch();
    return shownHere ? item : -1;
}

LayoutPoint GridSelectorGeometry::cellOrigin(std::int32_t item) const
{
    int strip = item / itemsPerStrip_;
    int inStrip = item % itemsPerStrip_;
    if (lastCell_ && strip == strips_ - 1) {
        inStrip = itemsPerStrip_;
        strip = 0;
    }
    if (firstRow_) {
        if (strip == 0 && inStrip < itemsPerStrip_) {
            inStrip = 0;
        } else {
            strip -= 1;
            inStrip += 1;
        }
    }
    return {margin_ + strip * columnPitch(), margin_ + inStrip * rowPitch()};
}

LayoutRect GridSelectorGeometry::cellRect(std::int32_t item) const
{
    const LayoutPoint origin = cellOrigin(item);
    const int width = isFirstRowItem(item) ? contentSize().width : cellWidth_;
    return {origin, LayoutSize{width, cellHeight_}};
}

bool GridSelectorGeometry::isFirstRowItem(std::int32_t item) const
{
    return firstRow_ && item >= 0 && item < itemsPerStrip_;
}

bool GridSelectorGeometry::isLastCellItem(std::int32_t item) const
{
    return lastCell_ && item >= (strips_ - 1) * itemsPerStrip_;
}
