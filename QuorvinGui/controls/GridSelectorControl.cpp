#include "controls/GridSelectorControl.h"

#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "gui/TextExtents.h"
#include "labels/LabelList.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "popup/MappedCellLayout.h"
#include "text/WxText.h"
#include "undo/CommandList.h"

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/intl.h>
#include <wx/window.h>

#include <algorithm>

namespace {

RefString translated(const char* text) { return fromWxString(wxGetTranslation(text)); }

} // namespace

// Every item of the grid that names a row and column of its own, for the
// filtered list: the first row and the last cell stand for whole strips.
class GridSelectorControl::FilterSource : public PopupItemSource {
public:
    explicit FilterSource(GridSelectorControl& grid) : grid_(grid) {}

    void drawItem(wxDC& dc, std::int32_t index, bool highlighted, const LayoutRect& cell, int flags) override
    {
        grid_.drawItem(dc, index, highlighted, cell, flags);
    }
    std::int32_t itemCount() const override { return grid_.gridItems(); }
    bool itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const override
    {
        const GridSelectorGeometry& geometry = grid_.geometry();
        if (geometry.isFirstRowItem(index) || geometry.isLastCellItem(index))
            return false;
        const GridSelectorIndex::Cell cell = grid_.index_.cellOf(index);
        return cell.column < geometry.stripLength(cell.row) && grid_.itemMatches(index, text, position);
    }

private:
    GridSelectorControl& grid_;
};

GridSelectorControl::GridSelectorControl(wxWindow* parent, const ControlStyle& style)
    : ValueLabelControl(parent, style), layout_(*this)
{
    layout_.geometry().setMargin(style.borderWidth);
    showLayout(layout_);
}

GridSelectorControl::~GridSelectorControl() = default;

void GridSelectorControl::setItemFilter(const RefString& text, std::size_t position)
{
    if (text.isNull()) {
        showLayout(layout_);
        filter_.reset();
        filterSource_.reset();
        return;
    }
    if (!filter_) {
        filterSource_ = std::make_unique<FilterSource>(*this);
        filter_ = std::make_unique<MappedCellLayout>(*filterSource_, style().borderWidth);
    }
    const LayoutSize cell = fittedLayout().cellSize();
    filter_->layout().setCellSize(cell.width, cell.height);
    filter_->rebuild(text.c_str(), position);
    showLayout(filter_->layout());
}

void GridSelectorControl::limitStrip(std::int32_t strip, std::int32_t items)
{
    layout_.geometry().limitStrip(strip, items);
    refreshRect(nullptr);
}

void GridSelectorControl::setLabels(const RefString& first, const RefString& second)
{
    firstLabel_ = first;
    secondLabel_ = second;
    GridSelectorGeometry& geometry = layout_.geometry();
    if (!first.isEmpty())
        geometry.showFirstRow();
    if (!second.isEmpty())
        geometry.showLastCell();
    index_.setExtras((geometry.hasFirstRow() ? 1 : 0) + (geometry.hasLastCell() ? 1 : 0));
    itemsChanged();
}

void GridSelectorControl::setItemLabels(const LabelList* labels)
{
    itemLabels_ = labels;
    itemTablesChanged();
}

void GridSelectorControl::setItemPictures(const wxBitmap* pictures)
{
    itemPictures_ = pictures;
    itemTablesChanged();
}

void GridSelectorControl::setRowLabels(RowLabelSource source)
{
    rowLabels_ = std::move(source);
    itemTablesChanged();
}

Control& GridSelectorControl::setValueLabels(const LabelList* labels)
{
    setItemLabels(labels);
    return *this;
}

void GridSelectorControl::itemTablesChanged()
{
    itemsChanged();
    refreshRect(nullptr);
}

void GridSelectorControl::onSetFocus()
{
    Control::onSetFocus();
    // Keys and the wheel change the column first.
    moveRoleCursorToLast();
}

void GridSelectorControl::onBind(RoleId role, Parameter* parameter)
{
    if (parameter == nullptr || (role != roleRow && role != roleColumn))
        return;
    parameter->setKeyName(translated(role == roleRow ? wxTRANSLATE("row") : wxTRANSLATE("column")));
    // The minimum displays as 0, so it becomes the default and the value.
    setParameterDisplayScale(parameter, true, Rational(1), Rational(-static_cast<std::int64_t>(parameter->minimum())));
    reshape();
    itemsChanged();
}

std::int32_t GridSelectorControl::rangeOf(RoleId role) const
{
    const Parameter* parameter = getParameter(role);
    return parameter ? parameter->maximum() - parameter->minimum() + 1 : 0;
}

std::int32_t GridSelectorControl::offsetOf(RoleId role) const
{
    const Parameter* parameter = getParameter(role);
    return parameter ? parameter->getValue() - parameter->minimum() : 0;
}

void GridSelectorControl::reshape()
{
    index_.setRowCount(rangeOf(roleRow));
    index_.setColumnCount(rangeOf(roleColumn));
    // Without a row parameter the columns lie side by side in one row.
    if (getParameter(roleRow) == nullptr)
        layout_.geometry().setShape(1, index_.columns());
    else
        layout_.geometry().setShape(index_.columns(), rangeOf(roleRow));
}

std::int32_t GridSelectorControl::regularItem(std::int32_t item) const
{
    return hasFirstLabel() ? item - index_.columns() : item;
}

RefString GridSelectorControl::itemText(std::int32_t item) const
{
    if (rowLabels_) {
        const GridSelectorIndex::Cell cell = index_.cellOf(item);
        return rowLabels_(cell.row, cell.column);
    }
    const std::int32_t k = regularItem(item);
    if (itemLabels_ != nullptr && k >= 0)
        return itemLabels_->get(k);
    return RefString::fromInt(static_cast<std::uint32_t>(std::max(k, 0)));
}

bool GridSelectorControl::inFirstRow(std::int32_t item) const
{
    return hasFirstLabel() && item >= 0 && item < index_.columns();
}

RefString GridSelectorControl::cellText(std::int32_t item) const
{
    if (inFirstRow(item))
        return firstLabel_;
    if (geometry().isLastCellItem(item))
        return secondLabel_;
    return itemText(item);
}

void GridSelectorControl::drawValueAt(
    wxDC& dc, std::int32_t item, const wxColour& colour, const wxRect& box, bool centred)
{
    const bool extra = inFirstRow(item) || geometry().isLastCellItem(item);
    if (const std::int32_t k = regularItem(item); !extra && itemPictures_ != nullptr && k >= 0) {
        drawBitmapInRect(itemPictures_[k], colour, dc, box.x, box.y, centred, box.width, box.height);
        return;
    }
    const RefString text = cellText(item);
    drawColouredText(dc, toWxString(text), colour, box.x, box.y, box.width, box.height, centred);
}

void GridSelectorControl::fitCells(wxDC& dc)
{
    labelExtent_ = TextExtents::onContext(dc, toWxString(firstLabel_));
    labelExtent_.IncTo(TextExtents::onContext(dc, toWxString(secondLabel_)));
    itemExtents_.assign(std::size_t(std::max(gridItems(), 0)), wxSize(0, 0));
    if (hasItemPictures())
        labelExtent_.IncTo(itemPictures_[0].GetSize());
    else
        for (std::int32_t item = firstTextItem(); item < gridItems(); ++item)
            itemExtents_[std::size_t(item)] = measureItem(dc, item);
    sizeCells();
}

void GridSelectorControl::rowLabelChanged(std::int32_t row, std::int32_t column)
{
    const std::int32_t item = index_.indexOf({row, column});
    const bool measured = cellsFitted() && !hasItemPictures() && item >= firstTextItem()
        && std::size_t(item) < itemExtents_.size();
    if (measured && window() != nullptr) {
        wxClientDC dc(window());
        dc.SetFont(style().fixedFont);
        itemExtents_[std::size_t(item)] = measureItem(dc, item);
        sizeCells();
    }
    refreshRect(nullptr);
}

bool GridSelectorControl::hasItemPictures() const { return itemPictures_ != nullptr && itemPictures_[0].IsOk(); }

wxSize GridSelectorControl::measureItem(wxDC& dc, std::int32_t item) const
{
    return TextExtents::onContext(dc, toWxString(itemText(item)));
}

void GridSelectorControl::sizeCells()
{
    wxSize largest = labelExtent_;
    for (const wxSize& extent : itemExtents_)
        largest.IncTo(extent);
    const int border = style().borderWidth;
    layout_.setCellSize(largest.x + 2 * border, largest.y + 2 * border);
    if (filter_)
        filter_->layout().setCellSize(largest.x + 2 * border, largest.y + 2 * border);
}

void GridSelectorControl::select(std::int32_t item)
{
    if (filter_)
        item = filter_->sourceIndex(item);
    if (!index_.isItem(item))
        return;
    const GridSelectorIndex::Cell cell = index_.cellOf(item);
    Parameter* const row = getParameter(roleRow);
    Parameter* const column = getParameter(roleColumn);
    // One choice: a row refused or a column refused leaves both as they are.
    for (const Parameter* parameter : {row, column})
        if (parameter && !parameter->allowsChange(flagsUserEdit))
            return;
    beginCommandGroup(getPath().text(), flagsUserEdit);
    if (row)
        row->setValue(flagsUserEdit, row->minimum() + cell.row);
    if (column)
        column->setValue(flagsUserEdit, column->minimum() + cell.column);
    endCommandGroup(flagsUserEdit);
}

std::int32_t GridSelectorControl::currentIndex() const
{
    if (getParameter(roleRow) == nullptr && getParameter(roleColumn) == nullptr)
        return -1;
    return index_.indexOf({offsetOf(roleRow), offsetOf(roleColumn)});
}

std::int32_t GridSelectorControl::currentCell() const
{
    const std::int32_t item = currentIndex();
    if (filter_)
        return filter_->shownIndex(item);
    if (geometry().isFirstRowItem(item))
        return 0;
    if (geometry().isLastCellItem(item))
        return (geometry().strips() - 1) * geometry().itemsPerStrip();
    return item;
}

bool GridSelectorControl::itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const
{
    return RefString::matchesAt(itemText(index), text, position);
}
