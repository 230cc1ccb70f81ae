#include "CountedItems.h"
#include "layout/ItemPicker.h"

#include <gtest/gtest.h>
#include <wx/defs.h>

#include <vector>

namespace {

using Indexes = std::vector<std::int32_t>;

// A window scrolled by (10, 20) that records the choices.
class RecordingView : public ItemPickerView, public ItemPickerListener {
public:
    explicit RecordingView(CellLayout& layout) : grid(layout) {}
    CellLayout* layout() override { return &grid; }
    LayoutPoint toLayout(LayoutPoint point) const override { return {point.x + scroll.x, point.y + scroll.y}; }
    LayoutPoint toWindow(LayoutPoint point) const override { return {point.x - scroll.x, point.y - scroll.y}; }
    void showCell(std::int32_t) override {}
    void refreshRect(const LayoutRect&, bool) override {}
    void choose(std::int32_t index) override { chosen.push_back(index); }
    std::int32_t currentIndex() const override { return current; }

    CellLayout& grid;
    LayoutPoint scroll{10, 20};
    std::int32_t current = -1;
    Indexes chosen;
};

// Three rows with a 1-pixel gap; eight items, so column 2 holds two.
class PickerTest : public testing::Test {
protected:
    PickerTest()
    {
        grid.setShape(3, 3);
        grid.setGap(1);
    }
    LayoutPoint centreOf(std::int32_t index) const
    {
        const LayoutPoint origin = grid.cellOrigin(index);
        return view.toWindow({origin.x + 8, origin.y + 8});
    }
    std::int32_t hoverAfter(std::initializer_list<int> keys)
    {
        for (int key : keys)
            EXPECT_TRUE(picker.onKeyDown(key));
        return picker.hoverIndex();
    }

    CountedItems items{8};
    HeadlessGrid grid{items};
    RecordingView view{grid};
    ItemPicker picker{view, &view};
};

TEST_F(PickerTest, ArrowsStepOneCellPitchAcrossTheGapAndStopAtBordersAndEmptyCells)
{
    picker.setHover(0);
    EXPECT_EQ(hoverAfter({WXK_RIGHT}), 3);
    EXPECT_EQ(hoverAfter({WXK_DOWN, WXK_LEFT, WXK_UP, WXK_LEFT, WXK_UP}), 0) << "no wrapping at the top left";
    picker.setHover(7);
    EXPECT_EQ(hoverAfter({WXK_DOWN, WXK_RIGHT}), 7) << "below the last item, right border";
    picker.setHover(5);
    EXPECT_EQ(hoverAfter({WXK_RIGHT}), 5) << "cell 8 is empty";
    EXPECT_TRUE(view.chosen.empty());
}

// Return must never choose a cell that does not exist.
TEST_F(PickerTest, FirstKeyHoversTheCurrentChoiceWhenTheListHoldsIt)
{
    view.current = 4;
    EXPECT_EQ(hoverAfter({WXK_DOWN}), 5);
    hoverAfter({WXK_NUMPAD_ENTER, WXK_ESCAPE});
    EXPECT_FALSE(picker.onKeyDown('A')) << "other keys go on to the window";
    EXPECT_FALSE(picker.onKeyDown(WXK_TAB)) << "Tab cancels, and goes on to the window to move on";
    picker.reset();
    view.current = 12;
    EXPECT_EQ(hoverAfter({WXK_DOWN}), 1) << "a stale choice: cell 0, then down";
    items.count = 0;
    picker.reset();
    EXPECT_EQ(hoverAfter({WXK_RETURN}), -1);
    EXPECT_EQ(view.chosen, (Indexes{5, -1, -1, -1}));
}

TEST_F(PickerTest, ReleaseChoosesThePressedCellOrAnyCellAfterTheOpeningDrag)
{
    picker.onLeftDown(centreOf(2));
    picker.onLeftUp(centreOf(3));
    EXPECT_EQ(picker.pressState(), ItemPicker::released);
    picker.onLeftDown(centreOf(2));
    picker.onLeftUp(centreOf(8));
    EXPECT_TRUE(view.chosen.empty()) << "released on another cell, then beside the cells";
    picker.onLeftDown(centreOf(2));
    picker.onLeftUp(centreOf(2));

    // The press that opened the list happened elsewhere: the pointer
    // crosses cells, then the release picks the cell under it.
    picker.reset();
    picker.onMotion(centreOf(0));
    EXPECT_EQ(picker.pressState(), ItemPicker::notPressed) << "entering the first cell is no crossing";
    picker.onMotion(centreOf(1));
    picker.onLeftUp(centreOf(1));
    picker.onLeftDown(centreOf(8));
    EXPECT_EQ(view.chosen, (Indexes{2, 1, -1})) << "a press beside the cells cancels";
}

} // namespace
