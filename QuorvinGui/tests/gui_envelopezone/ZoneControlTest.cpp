#include "EnvelopeZoneFixture.h"

#include "controls/DragScaling.h"
#include "controls/ZoneControl.h"

namespace {

// 128 notes across 2 + 256 + 2 pixels, 128 velocities over 2 + 128 + 2.
const wxRect zonePlace{20, 20, 260, 132};

class ZoneTest : public EnvelopeZoneFixture {
protected:
    ZoneControl& noteZone(std::int32_t low, std::int32_t high, const wxRect& place = zonePlace)
    {
        ZoneControl& zone = addControl<ZoneControl>(place);
        left = &bind(zone, ZoneControl::leftSide, 0, 127, low);
        right = &bind(zone, ZoneControl::rightSide, 0, 127, high);
        bind(zone, ZoneControl::topSide, 0, 127, 127);
        bind(zone, ZoneControl::bottomSide, 0, 127, 0);
        return zone;
    }

    LocalParameter* left = nullptr;
    LocalParameter* right = nullptr;
};

} // namespace

TEST_F(ZoneTest, DraggingTheNearestSideMovesItAloneAsOneUndoStep)
{
    ZoneControl& zone = noteZone(10, 19);
    EXPECT_EQ(right->key().name, RefString(u"right side"));
    drag(onScreen(zone, wxPoint(43, 40)), onScreen(zone, wxPoint(63, 30)));

    EXPECT_EQ(right->getValue(), 19 + DragScaling::deltaFromPixels(20, 260, right));
    EXPECT_EQ(left->getValue(), 10);
    ASSERT_EQ(list.commands().size(), 1u);
    ASSERT_TRUE(list.undo());
    EXPECT_EQ(right->getValue(), 19);
}

TEST_F(ZoneTest, BoundSidesCannotCrossUnlessFree)
{
    ZoneControl& zone = noteZone(10, 19);
    drag(onScreen(zone, wxPoint(21, 40)), onScreen(zone, wxPoint(121, 40)));
    EXPECT_EQ(left->getValue(), 19) << "the low side passed the high side";

    ZoneControl& free = noteZone(10, 19, wxRect(300, 20, 260, 132));
    free.setFreeSides(true);
    drag(onScreen(free, wxPoint(21, 40)), onScreen(free, wxPoint(121, 40)));
    EXPECT_GT(left->getValue(), 19);
    EXPECT_EQ(free.geometry().zoneRectangles().size(), 2u) << "a crossed zone wraps round";
}

TEST_F(ZoneTest, ValueLabelsShowOnlyOnTheFocusedZone)
{
    ZoneControl& zone = noteZone(0, 127);
    auto unfocused = drawn(zone, false);
    EXPECT_EQ(countOtherThan(*unfocused, wxRect(2, 2, 256, 128), barColour), 0) << "the whole range is filled";

    auto focused = drawn(zone, true);
    EXPECT_GT(countOtherThan(*focused, wxRect(2, 50, 30, 30), barColour), 0) << "no left value label";
    EXPECT_GT(countOtherThan(*focused, wxRect(110, 2, 40, 16), barColour), 0) << "no top value label";
}
