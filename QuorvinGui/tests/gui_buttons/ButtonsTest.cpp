// Value buttons, value boxes and captions on a shown page, driven by real
// pointer and key input; what they draw is read back from a bitmap.
#include "controls/CaptionControl.h"
#include "controls/ValueBox.h"
#include "controls/ValueButton.h"
#include "gui/ControlStyle.h"
#include "labels/FixedLabelList.h"
#include "localparams/LocalParameter.h"
#include "tests/gui_style/PixelCanvas.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <initializer_list>
#include <memory>

namespace {

using namespace std::chrono_literals;
const wxColour pageColour(40, 90, 40), valueColour(255, 255, 0), disabledColour(0, 255, 255);

class ButtonsTest : public testing::Test {
protected:
    ButtonsTest()
    {
        page->SetBackgroundColour(pageColour);
        style.colour4 = valueColour;
        style.colour5 = disabledColour;
        int y = 20;
        for (Control* control : {static_cast<Control*>(&button), static_cast<Control*>(&caption),
                 static_cast<Control*>(&box)}) {
            control->place(20, y += 30, nullptr);
            control->setSize(60, 20);
        }
        for (LocalParameter* parameter : {&onOff, &level})
            parameter->setCommandList(&history);
        button.bindParameter(&onOff);
        box.bindParameter(&level);
        frame->Show();
    }
    ~ButtonsTest() override { frame->Destroy(); }

    // The display main runs no event loop of its own.
    static void pump(std::chrono::milliseconds time)
    {
        for (const auto end = std::chrono::steady_clock::now() + time; std::chrono::steady_clock::now() < end;) {
            wxYield();
            wxMilliSleep(5);
        }
    }
    // Presses in one place closer than the double-click time would reach the
    // control as a double-click (an Init), also across tests: wait that out.
    void pointAt(Control& control, wxPoint point)
    {
        pump(500ms);
        simulator.MouseMove(control.window()->ClientToScreen(point));
        pump(20ms);
    }
    void click(Control& control)
    {
        pointAt(control, wxPoint(30, 10));
        simulator.MouseClick();
        pump(50ms);
    }
    std::unique_ptr<PixelCanvas> drawn(Control& control, bool enabled)
    {
        auto canvas = std::make_unique<PixelCanvas>(60, 20, *wxBLACK);
        control.draw(canvas->dc, wxRegion(), enabled, false, false);
        return canvas;
    }

    ControlStyle style;
    CommandList history;
    wxUIActionSimulator simulator;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page", wxDefaultPosition, wxSize(300, 200));
    wxPanel* page = new wxPanel(frame);
    LocalParameter onOff{0, 1};
    LocalParameter level{0, 127};
    // In tab order.
    ValueButton button{page, style};
    CaptionControl caption{page, style, RefString(u"Filter"), ControlStyle::normalText};
    ValueBox box{page, style};
};

TEST_F(ButtonsTest, EachClickStepsTheButtonAsOneUndoStepWrappingAndSkippingTheExcludedValue)
{
    RefString words[] = {RefString(u"OFF"), RefString(u"ON")};
    FixedLabelList labels(words, 2);
    button.setValueLabels(&labels);
    click(button);
    EXPECT_EQ(button.shownText(), RefString(u"ON"));
    click(button);
    EXPECT_EQ(onOff.getValue(), 0);
    EXPECT_EQ(history.commands().size(), 2u) << "a press opens no group that later edits would join";
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(onOff.getValue(), 1);

    LocalParameter channel(1, 16, 4);
    channel.setExcludedValue(5);
    channel.setUnit(RefString(u"ch"));
    button.bindParameter(&channel);
    click(button);
    EXPECT_EQ(button.shownText(), RefString(u"6ch"));
    channel.setAllowedMax(8, flagsConstruct);
    channel.setValue(flagsConstruct, 8);
    click(button);
    EXPECT_EQ(channel.getValue(), 1) << "wraps at the allowed maximum";
}

TEST_F(ButtonsTest, DisabledButtonTurnsToTheDisabledColourAndIgnoresClicksTheBoxKeepsItsColour)
{
    bool found = false;
    const wxRect ink = drawn(button, false)->inkBounds(pageColour, disabledColour, &found);
    EXPECT_TRUE(found);
    EXPECT_NEAR(ink.x + ink.width / 2, 30, 2) << "centred";
    found = false;
    drawn(box, false)->inkBounds(pageColour, valueColour, &found);
    EXPECT_TRUE(found);
    button.enable(false);
    click(button);
    EXPECT_EQ(onOff.getValue(), 0);
}

// A full-rate drag of 14 pixels would move 127 x 14 / 60 = 29 steps.
TEST_F(ButtonsTest, ValueBoxDragsRightAndUpAtTheFineRateAndResetsToItsOwnDefault)
{
    pointAt(box, wxPoint(20, 12));
    simulator.MouseDown();
    pump(20ms);
    simulator.MouseMove(box.window()->ClientToScreen(wxPoint(30, 8)));
    pump(20ms);
    simulator.MouseUp();
    pump(50ms);
    EXPECT_EQ(box.shownText(), RefString(u"7"));
    EXPECT_EQ(history.commands().size(), 1u);
    EXPECT_EQ(history.groupDepth(), 0u);

    box.setDefaultValue(64);
    level.setValue(flagsUserEdit, 100);
    pointAt(box, wxPoint(30, 10));
    simulator.MouseDblClick();
    pump(100ms);
    EXPECT_EQ(level.getValue(), 64);
    EXPECT_EQ(level.defaultValue(), 0) << "the box keeps its default, not the parameter";
}

TEST_F(ButtonsTest, CaptionTextIsCentredAlsoWhenWiderAndAbsentTextDrawsNothing)
{
    const wxRect narrow = drawn(caption, true)->inkBounds(pageColour);
    EXPECT_NEAR(narrow.x, 60 - narrow.GetRight() - 1, 2);
    EXPECT_NEAR(narrow.y, 20 - narrow.GetBottom() - 1, 3);
    caption.setText(RefString(u"WWWWWWWWWWWWWWWWWWWW"));
    const wxRect wide = drawn(caption, true)->inkBounds(pageColour);
    EXPECT_EQ(wide.x, 0) << "the start is cut off";
    EXPECT_EQ(wide.GetRight(), 59) << "and so is the end";
    caption.setText(RefString());
    EXPECT_TRUE(drawn(caption, true)->inkBounds(pageColour).IsEmpty());
}

TEST_F(ButtonsTest, TabAndClicksNeverStopOnACaption)
{
    click(button);
    ASSERT_EQ(wxWindow::FindFocus(), button.window());
    click(caption);
    EXPECT_EQ(wxWindow::FindFocus(), button.window());
    simulator.Char(WXK_TAB);
    pump(50ms);
    EXPECT_EQ(wxWindow::FindFocus(), box.window());
}

} // namespace
