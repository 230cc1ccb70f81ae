#include "PageFixture.h"
#include "controls/CaptionControl.h"
#include "controls/ValueButton.h"
#include "localparams/LocalParameter.h"

namespace {

class CaptionControlTest : public PageFixture {
protected:
    CaptionControlTest()
    {
        caption.place(20, 20, nullptr);
        caption.setSize(80, 20);
    }

    CaptionControl caption{page, style, RefString(u"Filter"), ControlStyle::normalText};
};

TEST_F(CaptionControlTest, TextIsCentredEvenWhenWiderThanTheCaption)
{
    const wxRect narrow = drawn(caption, true)->inkBounds(pageColour);
    ASSERT_FALSE(narrow.IsEmpty());
    EXPECT_NEAR(narrow.x, 80 - narrow.GetRight() - 1, 2) << "as much room left as right";
    EXPECT_NEAR(narrow.y, 20 - narrow.GetBottom() - 1, 3);

    caption.setText(RefString(u"WWWWWWWWWWWWWWWWWWWWWWWW"));
    const wxRect wide = drawn(caption, true)->inkBounds(pageColour);
    EXPECT_EQ(wide.x, 0) << "the start is cut off";
    EXPECT_EQ(wide.GetRight(), 79) << "and so is the end";
}

TEST_F(CaptionControlTest, DrawsInTheValueColourWithTheFontOfItsTextStyle)
{
    style.colour4 = wxColour(255, 255, 0);
    bool found = false;
    const int smallHeight = drawn(caption, true)->inkBounds(pageColour, style.colour4, &found).height;
    EXPECT_TRUE(found);
    CaptionControl large(page, style, RefString(u"Filter"), ControlStyle::largeText);
    large.setSize(80, 20);
    EXPECT_GT(drawn(large, true)->inkBounds(pageColour).height, smallHeight);
}

TEST_F(CaptionControlTest, CaptionWithoutTextDrawsOnlyTheBackground)
{
    caption.setText(RefString());
    EXPECT_TRUE(drawn(caption, true)->inkBounds(pageColour).IsEmpty());
}

TEST_F(CaptionControlTest, TabAndClicksNeverStopOnACaption)
{
    LocalParameter first(0, 1), second(0, 1);
    ValueButton before(page, style), after(page, style);
    before.window()->MoveBeforeInTabOrder(caption.window());
    before.place(20, 60, nullptr);
    after.place(20, 100, nullptr);
    for (ValueButton* button : {&before, &after})
        button->setSize(60, 20);
    before.bindParameter(&first);
    after.bindParameter(&second);
    showPage();

    clickCentre(before.window());
    ASSERT_EQ(wxWindow::FindFocus(), before.window());
    clickCentre(caption.window());
    EXPECT_EQ(wxWindow::FindFocus(), before.window()) << "neither the pointer nor a press focuses a caption";
    simulator.Char(WXK_TAB);
    pumpEventsFor(std::chrono::milliseconds(50));
    EXPECT_EQ(wxWindow::FindFocus(), after.window()) << "Tab passes over the caption";
}

} // namespace
