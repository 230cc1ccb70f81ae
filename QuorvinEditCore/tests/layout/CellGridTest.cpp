#include "CountedItems.h"

#include <gtest/gtest.h>

namespace {

TEST(CellGridTest, FittingHalvesEvenRowCountsStepsOddOnesDownAndKeepsOneRow)
{
    CountedItems ten(10), seven(7), three(3), none(0);
    HeadlessGrid grid(ten), gapped(seven), tooTall(three), empty(none);
    // 10 rows are 160 high, 5 rows 80.
    EXPECT_EQ(grid.fitToHeight(100), (LayoutSize{32, 80}));
    EXPECT_EQ(grid.cellOrigin(7), (LayoutPoint{16, 32})) << "column 1, row 2";
    // 7 -> 6 -> 3 -> 2 rows; 2 rows with a gap of 1 are 33 high; 4 columns.
    gapped.setGap(1);
    EXPECT_EQ(gapped.fitToHeight(40), (LayoutSize{4 * 16 + 3, 33}));
    // Never 0 rows (a division by zero), never a negative height.
    EXPECT_EQ(tooTall.fitToHeight(5), (LayoutSize{48, 16}));
    empty.setGap(3);
    EXPECT_EQ(empty.fitToHeight(100).height, 0);
    EXPECT_EQ(empty.rows(), 0);
    EXPECT_EQ(empty.cellAt(0, 0), -1);
}

// 3 rows, 2 columns, margin 2, gap 1, five items: column 1 ends after row 1.
class HitTest : public testing::Test {
protected:
    HitTest()
    {
        grid.setShape(3, 2);
        grid.setMargin(2);
        grid.setGap(1);
    }
    CountedItems items{5};
    HeadlessGrid grid{items};
};

TEST_F(HitTest, MarginIsOutsideTheGapAfterACellBelongsToItAndEmptyCellsAreNone)
{
    EXPECT_EQ(grid.cellAt(1, 5), -1) << "margin";
    EXPECT_EQ(grid.cellAt(5, 1), -1) << "margin";
    EXPECT_EQ(grid.cellAt(2, 2), 0);
    EXPECT_EQ(grid.cellAt(18, 18), 0) << "gap pixels after cell 0";
    EXPECT_EQ(grid.cellAt(19, 19), 4);
    EXPECT_EQ(grid.cellAt(19, 2 + 2 * 17), -1) << "row 2 of column 1 would be item 5 of 5";
    EXPECT_EQ(grid.cellAt(2 + 2 * 17, 2), -1) << "third column";
    EXPECT_EQ(grid.cellAt(2, 2 + 3 * 17), -1) << "fourth row";
}

TEST_F(HitTest, ViewShowsOnlyCellsWithVisiblePixelsAndStopsAtTheLastItem)
{
    // Column 0 ends exactly at the margin; row 0 reaches one pixel past it.
    const std::vector<CellGrid::ViewCell> expected = {{3, {3, -13, 16, 16}}, {4, {3, 4, 16, 16}}};
    EXPECT_EQ(grid.cellsInView(100, 30, 16, 15), expected);
    EXPECT_EQ(grid.cellsInView(19, 20, 0, 0).size(), 2u) << "column 1 starts at 19, row 2 at 36";
}

// Gap strips run across the whole view, also beyond the last cells.
TEST_F(HitTest, GapStripsFollowTheScrollAndSkipThoseInTheMargin)
{
    const std::vector<LayoutRect> strips = {{15, 2, 1, 26}, {32, 2, 1, 26}, {2, 18, 36, 1}};
    EXPECT_EQ(grid.gapStripsInView(40, 30, 3, 0), strips);
    EXPECT_EQ(grid.gapStripsInView(40, 30, 17, 0).front(), (LayoutRect{18, 2, 1, 26})) << "x = 1 is in the margin";
}

} // namespace
