#include "popup/MappedCellLayout.h"

#include <algorithm>

MappedCellLayout::MappedCellLayout(PopupItemSource& source, int margin) : source_(source), grid_(*this)
{
    grid_.setMargin(margin);
}

void MappedCellLayout::rebuild(const char16_t* text, std::size_t position)
{
    indices_.clear();
    const std::int32_t count = source_.itemCount();
    for (std::int32_t index = 0; index < count; ++index)
        if (source_.itemMatches(index, text, position))
            indices_.push_back(index);
}

std::int32_t MappedCellLayout::sourceIndex(std::int32_t index) const
{
    if (index < 0 || index >= itemCount())
        return -1;
    return indices_[static_cast<std::size_t>(index)];
}

std::int32_t MappedCellLayout::shownIndex(std::int32_t source) const
{
    const auto found = std::find(indices_.begin(), indices_.end(), source);
    return found == indices_.end() ? -1 : static_cast<std::int32_t>(found - indices_.begin());
}

void MappedCellLayout::drawItem(wxDC& dc, std::int32_t index, bool highlighted, const LayoutRect& cell, int flags)
{
    if (const std::int32_t source = sourceIndex(index); source >= 0)
        source_.drawItem(dc, source, highlighted, cell, flags);
}

std::int32_t MappedCellLayout::itemCount() const { return static_cast<std::int32_t>(indices_.size()); }

bool MappedCellLayout::itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const
{
    const std::int32_t source = sourceIndex(index);
    return source >= 0 && source_.itemMatches(source, text, position);
}
