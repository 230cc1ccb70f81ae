#include "popup/PopupScroller.h"

#include <gtest/gtest.h>

namespace {

const LayoutSize window{200, 400};

PopupScroller scrolling(LayoutSize extents)
{
    PopupScroller scroller;
    scroller.reset(extents);
    return scroller;
}

} // namespace

TEST(PopupScroller, SpeedIsFullAtTheEdgeAndFadesToRestAcrossTheBand)
{
    PopupScroller scroller = scrolling({0, 500});
    scroller.autoScroll({100, 0}, window);
    EXPECT_EQ(scroller.speed().y, -32);
    scroller.autoScroll({100, 63}, window);
    EXPECT_GE(scroller.speed().y, -1);
    EXPECT_LE(scroller.speed().y, 0);
    scroller.autoScroll({100, 200}, window);
    EXPECT_EQ(scroller.speed().y, 0);
    scroller.autoScroll({100, 400}, window);
    EXPECT_EQ(scroller.speed().y, 32);
    EXPECT_EQ(scroller.speed().x, 0) << "no scrolling across while the width fits";
}

TEST(PopupScroller, OffsetsStayWithinTheExtents)
{
    PopupScroller scroller = scrolling({0, 50});
    scroller.autoScroll({100, 400}, window);
    EXPECT_TRUE(scroller.step());
    EXPECT_TRUE(scroller.step());
    EXPECT_EQ(scroller.offset().y, 50);
    EXPECT_FALSE(scroller.step());
    EXPECT_TRUE(scroller.wheel(120, 120));
    EXPECT_EQ(scroller.offset().y, 30);
    EXPECT_TRUE(scroller.wheel(240, 120));
    EXPECT_FALSE(scroller.wheel(120, 120));
    EXPECT_EQ(scroller.offset().y, 0);
    EXPECT_FALSE(scroller.wheel(1, 0)) << "a zero wheel delta divides nothing";
}

TEST(PopupScroller, FittingContentNeverMoves)
{
    PopupScroller scroller = scrolling({0, 0});
    scroller.autoScroll({0, 0}, window);
    EXPECT_FALSE(scroller.step());
    EXPECT_FALSE(scroller.wheel(-120, 120));
    EXPECT_FALSE(scroller.ensureVisible({0, 900, 20, 20}, window));
    EXPECT_EQ(scroller.offset(), (LayoutPoint{0, 0}));
}

TEST(PopupScroller, EnsureVisibleScrollsJustFarEnoughEachWay)
{
    PopupScroller scroller = scrolling({0, 600});
    EXPECT_TRUE(scroller.ensureVisible({0, 500, 20, 20}, window));
    EXPECT_EQ(scroller.offset().y, 120) << "the cell's bottom at the window's bottom";
    EXPECT_FALSE(scroller.ensureVisible({0, 300, 20, 20}, window));
    EXPECT_TRUE(scroller.ensureVisible({0, 40, 20, 20}, window));
    EXPECT_EQ(scroller.offset().y, 40) << "the cell's top at the window's top";
}
