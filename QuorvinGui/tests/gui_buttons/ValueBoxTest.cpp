#include "PageFixture.h"
#include "controls/ValueBox.h"
#include "localparams/LocalParameter.h"

namespace {

class ValueBoxTest : public PageFixture {
protected:
    // A 60 x 20 box on the page over a 0..127 parameter.
    ValueBoxTest()
    {
        level.setCommandList(&history);
        box.place(20, 20, nullptr);
        box.setSize(60, 20);
        box.bindParameter(&level);
        showPage();
    }

    void dragBy(wxPoint start, wxPoint motion)
    {
        pointAt(box.window(), start);
        simulator.MouseDown();
        pumpEventsFor(std::chrono::milliseconds(20));
        simulator.MouseMove(box.window()->ClientToScreen(start + motion));
        pumpEventsFor(std::chrono::milliseconds(20));
        simulator.MouseUp();
        pumpEventsFor(std::chrono::milliseconds(50));
    }

    LocalParameter level{0, 127};
    ValueBox box{page, style};
};

// A full-rate drag would move 127 x 14 / 60 = 29 steps.
TEST_F(ValueBoxTest, DragRightAndUpMovesAtTheFineRateAsOneUndoStep)
{
    dragBy(wxPoint(20, 12), wxPoint(10, -4));
    EXPECT_EQ(level.getValue(), 7);
    EXPECT_EQ(box.shownText(), RefString(u"7"));
    EXPECT_EQ(history.commands().size(), 1u);
    dragBy(wxPoint(40, 5), wxPoint(-6, 2));
    EXPECT_EQ(level.getValue(), 3) << "left and down decrease";
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(level.getValue(), 7);
    EXPECT_EQ(history.groupDepth(), 0u);
}

TEST_F(ValueBoxTest, DoubleClickResetsToTheBoxsOwnDefaultNotTheParameters)
{
    box.setDefaultValue(64);
    EXPECT_EQ(level.getValue(), 64);
    EXPECT_EQ(level.defaultValue(), 0);
    level.setValue(flagsUserEdit, 100);
    pointAt(box.window(), wxPoint(30, 10));
    simulator.MouseDblClick();
    pumpEventsFor(std::chrono::milliseconds(100));
    EXPECT_EQ(level.getValue(), 64);
}

TEST_F(ValueBoxTest, DisabledBoxKeepsItsValueColour)
{
    style.colour4 = wxColour(255, 255, 0);
    style.colour5 = wxColour(0, 255, 255);
    bool found = false;
    drawn(box, false)->inkBounds(pageColour, style.colour4, &found);
    EXPECT_TRUE(found);
}

} // namespace
