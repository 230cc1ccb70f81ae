#include "controls/GridSelectorIndex.h"

std::int32_t GridSelectorIndex::itemCount() const
{
    if (rows_ <= 0)
        return columns();
    return (rows_ > extras_ ? rows_ - extras_ : 0) * columns();
}

bool GridSelectorIndex::isItem(std::int32_t item) const
{
    const std::int32_t rows = rows_ > 0 ? rows_ : 1;
    return item >= 0 && item / columns() < rows;
}

GridSelectorIndex::Cell GridSelectorIndex::cellOf(std::int32_t item) const
{
    return {item / columns(), item % columns()};
}

std::int32_t GridSelectorIndex::indexOf(Cell cell) const
{
    return cell.row * columns() + cell.column;
}
