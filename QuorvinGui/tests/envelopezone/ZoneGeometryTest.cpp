#include "controls/ZoneGeometry.h"

#include <gtest/gtest.h>

namespace {

using Side = ZoneGeometry::Side;

// 128 notes across 2 + 256 + 2 pixels, 128 velocities over 2 + 128 + 2.
const wxSize client{260, 132};
constexpr int border = 2;
const ZoneGeometry::LabelSizes noLabels{};

ZoneGeometry zone(int low, int high, int bottom, int top)
{
    return ZoneGeometry(client, border,
        {{{low, 0, 127, true}, {high, 0, 127, true}, {top, 0, 127, true}, {bottom, 0, 127, true}}});
}

} // namespace

TEST(ZoneGeometry, FullRangesFillTheClientAreaLessTheBorderAndEachValueItsShare)
{
    const auto rectangles = zone(0, 127, 0, 127).zoneRectangles();
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_EQ(rectangles[0], wxRect(2, 2, 256, 128));
    EXPECT_EQ(ZoneGeometry(client, border, {}).zoneRectangles(), rectangles) << "unbound sides lie at the edges";
    const ZoneGeometry g = zone(10, 19, 64, 64);
    EXPECT_EQ(g.line(Side::left), 2 + 20);
    EXPECT_EQ(g.line(Side::right), 2 + 40);
    EXPECT_EQ(g.zoneRectangles().at(0), wxRect(22, 2 + 127 - 64, 20, 1)) << "one velocity is one row";
}

TEST(ZoneGeometry, LowSidesAboveHighSidesWrapToTheEdges)
{
    const auto bands = zone(100, 20, 0, 127).zoneRectangles();
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0], wxRect(2, 2, 42, 128));
    EXPECT_EQ(bands[1], wxRect(202, 2, 56, 128));
    const auto corners = zone(100, 20, 100, 20).zoneRectangles();
    ASSERT_EQ(corners.size(), 4u);
}

TEST(ZoneGeometry, PointerBetweenTopAndBottomPicksBottomUnlessAboveTheTopLine)
{
    const ZoneGeometry g = zone(0, 127, 60, 69);
    const int middle = (g.line(Side::top) + g.line(Side::bottom)) / 2;
    ASSERT_EQ(middle - g.line(Side::top), g.line(Side::bottom) - middle);
    EXPECT_EQ(g.pick(130, middle, noLabels), Side::bottom);
    const ZoneGeometry same = zone(0, 127, 64, 63);
    ASSERT_EQ(same.line(Side::top), same.line(Side::bottom));
    EXPECT_EQ(same.pick(130, same.line(Side::top) - 5, noLabels), Side::top);
}

TEST(ZoneGeometry, NearestVerticalLineBeatsAHorizontalOneAndRightWinsATieFromInside)
{
    const ZoneGeometry g = zone(10, 19, 0, 127);
    EXPECT_EQ(g.pick(23, 60, noLabels), Side::left);
    EXPECT_EQ(g.pick(32, 60, noLabels), Side::right) << "equally far, inside the zone";
    EXPECT_EQ(g.pick(30, 3, noLabels), Side::top);
}

TEST(ZoneGeometry, ValueLabelsArePickedBeforeLinesRightFirst)
{
    const ZoneGeometry g = zone(0, 127, 0, 127);
    ZoneGeometry::LabelSizes labels;
    labels.fill(wxSize(30, 10));
    EXPECT_EQ(g.labelBox(Side::right, labels[1]), wxRect(230, 61, 30, 10));
    EXPECT_EQ(g.pick(240, 65, labels), Side::right);
    EXPECT_EQ(g.pick(10, 65, labels), Side::left);
    EXPECT_EQ(g.pick(130, 5, labels), Side::top);
    EXPECT_EQ(g.pick(130, 128, labels), Side::bottom);
    EXPECT_EQ(g.pick(130, 5, noLabels), Side::top) << "without labels the nearest line";
}
