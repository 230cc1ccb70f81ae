#include "controls/GridSelectorGeometry.h"
#include "controls/GridSelectorIndex.h"

#include <gtest/gtest.h>

namespace {

constexpr int cellWidth = 30;
constexpr int cellHeight = 12;
constexpr int margin = 1;

struct Shape {
    const char* name;
    int rows;    // the row parameter's range: one strip each
    int columns; // the column parameter's range: the items of a strip
    bool firstRow;
    bool lastCell;
    int shownColumns;
    int shownRows;
};

// The four grids the pages make: portamento mode, assign mode, a part's
// program and the performance selector.
const Shape shapes[] = {
    {"mode", 2, 2, true, false, 1, 3},
    {"assign", 2, 4, false, true, 1, 5},
    {"program", 13, 128, true, false, 12, 129},
    {"performance", 4, 128, false, false, 4, 128},
};

GridSelectorGeometry geometryOf(const Shape& shape)
{
    GridSelectorGeometry geometry;
    geometry.setShape(shape.columns, shape.rows);
    geometry.setCellSize(cellWidth, cellHeight);
    geometry.setMargin(margin);
    if (shape.firstRow)
        geometry.showFirstRow();
    if (shape.lastCell)
        geometry.showLastCell();
    return geometry;
}

GridSelectorIndex indexOf(const Shape& shape)
{
    GridSelectorIndex index;
    index.setRowCount(shape.rows);
    index.setColumnCount(shape.columns);
    index.setExtras((shape.firstRow ? 1 : 0) + (shape.lastCell ? 1 : 0));
    return index;
}

// The item a cell shows stands for: the first row for row 0, the last cell
// for the last row's first column.
std::int32_t shownItem(const Shape& shape, std::int32_t item)
{
    const std::int32_t row = item / shape.columns;
    if (shape.firstRow && row == 0)
        return 0;
    if (shape.lastCell && row == shape.rows - 1)
        return (shape.rows - 1) * shape.columns;
    return item;
}

} // namespace

TEST(GridSelectorGeometry, EveryItemOfTheRealShapesComesBackFromItsCellAndKeepsItsRowAndColumn)
{
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        const GridSelectorGeometry geometry = geometryOf(shape);
        const GridSelectorIndex index = indexOf(shape);
        EXPECT_EQ(geometry.columns(), shape.shownColumns);
        EXPECT_EQ(geometry.rows(), shape.shownRows);
        for (std::int32_t item = 0; item < shape.rows * shape.columns; ++item) {
            const LayoutPoint origin = geometry.cellOrigin(item);
            const std::int32_t hit = geometry.cellAt(origin.x + cellWidth - 1, origin.y + cellHeight - 1);
            ASSERT_EQ(hit, shownItem(shape, item)) << "item " << item;
            const GridSelectorIndex::Cell cell = index.cellOf(hit);
            EXPECT_EQ(index.indexOf(cell), hit);
            if (shape.firstRow && item < shape.columns) {
                EXPECT_EQ(cell, (GridSelectorIndex::Cell{0, 0})) << "the first row is row 0, not another row";
            }
        }
    }
}

TEST(GridSelectorGeometry, EveryShownCellHoldsOneItemThatLiesThere)
{
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        const GridSelectorGeometry geometry = geometryOf(shape);
        for (int row = 0; row < geometry.rows(); ++row)
            for (int column = 0; column < geometry.columns(); ++column) {
                const int x = margin + column * cellWidth;
                const int y = margin + row * cellHeight;
                const std::int32_t item = geometry.cellAt(x, y);
                ASSERT_GE(item, 0) << column << ", " << row;
                if (!geometry.isFirstRowItem(item)) {
                    EXPECT_EQ(geometry.cellOrigin(item), (LayoutPoint{x, y}));
                }
            }
    }
}

TEST(GridSelectorGeometry, FirstRowSpansTheWidthAndNothingLiesOutsideTheCells)
{
    const GridSelectorGeometry program = geometryOf(shapes[2]);
    const int width = program.contentSize().width;
    EXPECT_EQ(width, 12 * cellWidth);
    EXPECT_EQ(program.cellRect(5), (LayoutRect{margin, margin, width, cellHeight}));
    EXPECT_EQ(program.cellAt(margin + width - 1, margin), 0);
    EXPECT_EQ(program.cellAt(margin + width, margin), -1);
    EXPECT_EQ(program.cellAt(0, 5), -1) << "the margin is no cell";
    EXPECT_EQ(program.cellAt(margin + 5, margin + 129 * cellHeight), -1);
    EXPECT_EQ(program.cellAt(margin + 2 * cellWidth, margin + cellHeight), 3 * 128);
}

TEST(GridSelectorGeometry, CellsBesideTheLastCellShowNothing)
{
    GridSelectorGeometry geometry;
    geometry.setShape(2, 3);
    geometry.setCellSize(cellWidth, cellHeight);
    geometry.showLastCell();
    ASSERT_EQ(geometry.columns(), 2);
    EXPECT_EQ(geometry.cellAt(5, 2 * cellHeight + 5), 4);
    EXPECT_EQ(geometry.cellAt(cellWidth + 5, 2 * cellHeight + 5), -1);
    EXPECT_TRUE(geometry.isLastCellItem(5));
    EXPECT_EQ(geometry.cellOrigin(5), (LayoutPoint{0, 2 * cellHeight}));
}

TEST(GridSelectorIndex, ChoicesOutsideTheGridAreNoItemsAndAMissingRowMakesOneRow)
{
    GridSelectorIndex program = indexOf(shapes[2]);
    EXPECT_EQ(program.itemCount(), 12 * 128);
    EXPECT_TRUE(program.isItem(13 * 128 - 1));
    EXPECT_FALSE(program.isItem(13 * 128));
    EXPECT_FALSE(program.isItem(-1));

    GridSelectorIndex assign = indexOf(shapes[1]);
    EXPECT_EQ(assign.cellOf(4), (GridSelectorIndex::Cell{1, 0})) << "the last cell is the last row's first column";

    GridSelectorIndex columnsOnly;
    columnsOnly.setColumnCount(4);
    EXPECT_EQ(columnsOnly.itemCount(), 4);
    EXPECT_TRUE(columnsOnly.isItem(3));
    EXPECT_FALSE(columnsOnly.isItem(4));
    EXPECT_EQ(columnsOnly.cellOf(3), (GridSelectorIndex::Cell{0, 3}));
}
