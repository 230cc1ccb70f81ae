// Range controls dragged by their handles with the real pointer; what they
// draw is read back from a bitmap.
#include "PageFixture.h"

#include "controls/HorizontalRangeControl.h"
#include "controls/VerticalRangeControl.h"
#include "localparams/LocalParameter.h"

namespace {

// No value texts: the track spans the whole 128-pixel width, so a pixel is
// a little less than one step of a 0..127 range.
class RangeControlTest : public PageFixture {
protected:
    RangeControlTest()
    {
        for (LocalParameter* limit : {&low, &high})
            limit->setCommandList(&history);
        for (RangeControl* control : {static_cast<RangeControl*>(&range), static_cast<RangeControl*>(&upright)})
            control->setValueTextMode(Slider::noText);
        range.place(20, 20, nullptr);
        range.setSize(128, 20);
        upright.place(200, 20, nullptr);
        upright.setSize(20, 128);
        range.getPath().widget = RefString(u"Loop");
        range.bindParameter(&low, RangeControl::roleMin).bindParameter(&high, RangeControl::roleMax);
    }

    LocalParameter low{0, 127, 0};
    LocalParameter high{0, 127, 30};
    HorizontalRangeControl range{page, style};
    VerticalRangeControl upright{page, style};
};

TEST_F(RangeControlTest, NewRangeOpensFullyAndInitResetsBothLimits)
{
    EXPECT_EQ(high.getValue(), 127);
    EXPECT_EQ(high.defaultValue(), 127);
    EXPECT_EQ(low.key().name.view(), u"min");
    EXPECT_EQ(high.key().name.view(), u"max");
    low.setValue(flagsConstruct, 40);
    high.setValue(flagsConstruct, 50);
    range.init(flagsUserEdit);
    EXPECT_EQ(low.getValue(), 0);
    EXPECT_EQ(high.getValue(), 127);
}

TEST_F(RangeControlTest, DraggedMinStopsAtTheMaxAndTheBoundLastsOnlyForTheDrag)
{
    drag(range, {10, 10}, {42, 10});
    EXPECT_EQ(range.activeRole(), RangeControl::roleMin);
    EXPECT_EQ(low.getValue(), 31);
    high.setValue(flagsConstruct, 60);
    drag(range, {31, 10}, {120, 10});
    EXPECT_EQ(low.getValue(), 60) << "the min passed the max";
    EXPECT_EQ(low.allowedMaximum(), 127) << "the max's old place still bounds the min after the drag";
    EXPECT_EQ(high.allowedMinimum(), 0);
    EXPECT_EQ(history.commands().size(), 2u);
    EXPECT_EQ(history.groupDepth(), 0u);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(low.getValue(), 31);
}

TEST_F(RangeControlTest, DraggedMaxStopsAtTheMinUnlessTheHandlesMayPass)
{
    low.setValue(flagsConstruct, 40);
    drag(range, {120, 10}, {10, 10});
    EXPECT_EQ(range.activeRole(), RangeControl::roleMax);
    EXPECT_EQ(high.getValue(), 40);
    range.setNoLimit(true);
    drag(range, {43, 10}, {13, 10});
    EXPECT_EQ(high.getValue(), 11);
    EXPECT_EQ(low.getValue(), 40);
}

TEST_F(RangeControlTest, EqualLimitsPartByTheSideThePressLiesOn)
{
    low.setValue(flagsConstruct, 64);
    high.setValue(flagsConstruct, 64);
    drag(range, {60, 10}, {30, 10});
    EXPECT_LT(low.getValue(), 64);
    EXPECT_EQ(high.getValue(), 64);
    low.setValue(flagsConstruct, 64);
    drag(range, {68, 10}, {98, 10});
    EXPECT_EQ(low.getValue(), 64);
    EXPECT_GT(high.getValue(), 64);
}

TEST_F(RangeControlTest, PressOnCrossedLimitsChangesNothingAndTheyDrawTowardBothEnds)
{
    low.setValue(flagsConstruct, 100);
    high.setValue(flagsConstruct, 20);
    drag(range, {60, 10}, {60, 10});
    EXPECT_EQ(low.getValue(), 100);
    EXPECT_EQ(high.getValue(), 20);
    EXPECT_TRUE(history.commands().empty()) << "a press alone moved a crossed limit";

    auto canvas = drawn(range, false);
    EXPECT_EQ(canvas->pixel(5, 10), barColour);
    EXPECT_EQ(canvas->pixel(120, 10), barColour);
    EXPECT_EQ(canvas->pixel(60, 10), ground);
}

TEST_F(RangeControlTest, VerticalRangeDragsItsMaxUpFromTheBottomAndDrawsBetweenTheHandles)
{
    LocalParameter bottom(0, 127, 0);
    LocalParameter top(0, 127, 0);
    upright.bindParameter(&bottom, RangeControl::roleMin).bindParameter(&top, RangeControl::roleMax);
    top.setValue(flagsConstruct, 32);
    drag(upright, {10, 92}, {10, 60});
    EXPECT_EQ(upright.activeRole(), RangeControl::roleMax);
    EXPECT_EQ(top.getValue(), 63);
    auto canvas = drawn(upright, false);
    EXPECT_EQ(canvas->pixel(10, 120), barColour);
    EXPECT_EQ(canvas->pixel(10, 40), ground);
}

} // namespace
