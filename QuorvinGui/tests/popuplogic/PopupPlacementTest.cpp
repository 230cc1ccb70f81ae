#include "popup/PopupPlacement.h"

#include <gtest/gtest.h>

namespace {

const LayoutRect area(0, 20, 1000, 700); // a work area under a 20-pixel bar
const LayoutPoint ownerTopLeft{100, 600}, ownerBottomRight{180, 620};

} // namespace

TEST(PopupPlacement, FittingListOpensOverItsOwner)
{
    const PopupPlacement placed = placePopup(area, {100, 100}, {180, 120}, {200, 300});
    EXPECT_EQ(placed, (PopupPlacement{{100, 100}, {200, 300}, {0, 0}}));
}

TEST(PopupPlacement, ListRunningOffTheBottomEndsAtTheOwnersBottomEdge)
{
    const PopupPlacement placed = placePopup(area, ownerTopLeft, ownerBottomRight, {200, 300});
    EXPECT_EQ(placed.position.y, 620 - 300);
    EXPECT_EQ(placed.scrollExtent.height, 0);
}

TEST(PopupPlacement, ListTallerThanTheAreaStartsAtItsTopAndScrollsExactlyTheExcess)
{
    const PopupPlacement placed = placePopup(area, ownerTopLeft, ownerBottomRight, {200, 900});
    EXPECT_EQ(placed.position.y, 20);
    EXPECT_EQ(placed.scrollExtent.height, 200);
    EXPECT_EQ(placed.size.height, 700) << "the window fills the area";
}

TEST(PopupPlacement, RightAlignedListNeverStartsLeftOfTheArea)
{
    // Too wide to open at the owner, not wider than the area: its right edge
    // would go to the owner's, which would put its left edge off the area.
    const PopupPlacement placed = placePopup(area, {300, 100}, {380, 120}, {950, 50});
    EXPECT_EQ(placed.position.x, 0);
    EXPECT_EQ(placed.scrollExtent.width, 0);
    const PopupPlacement wider = placePopup(area, {300, 100}, {380, 120}, {1300, 50});
    EXPECT_EQ(wider.position.x, 0);
    EXPECT_EQ(wider.scrollExtent.width, 300);
    EXPECT_EQ(wider.size.width, 1000);
}
