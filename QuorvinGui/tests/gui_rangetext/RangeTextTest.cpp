// Range and text edit controls on a shown page, driven by the display's real
// pointer and keyboard; what they draw is read back from a bitmap.
#include "controls/HorizontalRangeControl.h"
#include "controls/TextEditControl.h"
#include "controls/VerticalRangeControl.h"
#include "gui/ControlStyle.h"
#include "localparams/EditableName.h"
#include "localparams/LocalParameter.h"
#include "tests/gui_style/PixelCanvas.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;
const wxColour ground(0, 0, 0), barColour(255, 0, 0), textColour(0, 255, 0);

// The ranges leave no room for value texts, so a 128-pixel track spans a
// 0..127 range; the texts stand over the bar's ends.
class RangeTextTest : public testing::Test {
protected:
    RangeTextTest()
    {
        style.backgroundBrush = wxBrush(ground);
        style.brush3 = wxBrush(barColour);
        style.colour4 = textColour;
        low.setCommandList(&history);
        high.setCommandList(&history);
        for (CharacterParameter& character : name.characters())
            character.setCommandList(&history);
        for (RangeControl* control : {static_cast<RangeControl*>(&range), static_cast<RangeControl*>(&upright)})
            control->setValueTextMode(Slider::noText);
        range.place(20, 20, nullptr);
        range.setSize(128, 20);
        upright.place(200, 20, nullptr);
        upright.setSize(20, 128);
        edit.place(20, 200, nullptr);
        edit.setSize(200, 24);
        range.bindParameter(&low, RangeControl::roleMin).bindParameter(&high, RangeControl::roleMax);
        edit.bindCharacters(name);
        frame->Show();
    }
    ~RangeTextTest() override { frame->Destroy(); }

    // The display main runs no event loop of its own.
    static void pump(std::chrono::milliseconds time)
    {
        for (const auto end = std::chrono::steady_clock::now() + time; std::chrono::steady_clock::now() < end;) {
            wxYield();
            wxMilliSleep(5);
        }
    }
    // Presses closer together than the double-click time would arrive as a
    // double-click (an Init): each drag waits that out first.
    void drag(Control& control, wxPoint from, wxPoint to)
    {
        pump(500ms);
        simulator.MouseMove(control.window()->ClientToScreen(from));
        pump(20ms);
        simulator.MouseDown();
        pump(20ms);
        simulator.MouseMove(control.window()->ClientToScreen(to));
        pump(20ms);
        simulator.MouseUp();
        pump(50ms);
    }
    // The keyboard focus, with the pointer resting on the page off every
    // control: a control it came to lie on would take the focus.
    void focusWithPointerAside(Control& control)
    {
        simulator.MouseMove(page->ClientToScreen(wxPoint(390, 260)));
        pump(20ms);
        control.window()->SetFocus();
    }

    void typeIntoName(const char* text)
    {
        focusWithPointerAside(edit);
        for (int tries = 0; tries < 100 && Control::focusedControl() != &edit; ++tries)
            pump(10ms);
        ASSERT_EQ(Control::focusedControl(), &edit);
        simulator.Text(text);
        pump(50ms);
    }
    std::unique_ptr<PixelCanvas> drawn(Control& control)
    {
        const wxSize size = control.window()->GetClientSize();
        auto canvas = std::make_unique<PixelCanvas>(size.x, size.y, ground);
        control.draw(canvas->dc, wxRegion(), true, false, false);
        return canvas;
    }

    ControlStyle style;
    CommandList history;
    wxUIActionSimulator simulator;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page", wxPoint(0, 0), wxSize(400, 300));
    wxPanel* page = new wxPanel(frame);
    LocalParameter low{0, 127, 0};
    LocalParameter high{0, 127, 30};
    EditableName name;
    HorizontalRangeControl range{page, style};
    VerticalRangeControl upright{page, style};
    TextEditControl edit{page, style};
};

TEST_F(RangeTextTest, NewRangeOpensFullyAndInitResetsBothLimits)
{
    EXPECT_EQ(high.getValue(), 127);
    EXPECT_EQ(high.key().name.view(), u"max");
    low.setValue(flagsConstruct, 40);
    high.setValue(flagsConstruct, 50);
    range.init(flagsUserEdit);
    EXPECT_EQ(low.getValue(), 0);
    EXPECT_EQ(high.getValue(), 127);
}

TEST_F(RangeTextTest, DraggedMinStopsAtTheMaxOnlyWhileDragged)
{
    high.setValue(flagsConstruct, 60);
    drag(range, {10, 10}, {120, 10});
    EXPECT_EQ(range.activeRole(), RangeControl::roleMin);
    EXPECT_EQ(low.getValue(), 60) << "the min passed the max";
    EXPECT_EQ(low.allowedMaximum(), 127) << "the max's place at the press still bounds the min";
    // A dump sends the loop start before its end: a bound kept from the drag
    // would clamp the received start to the old end.
    low.setValue(flagsSysexReceived, 100);
    high.setValue(flagsSysexReceived, 120);
    EXPECT_EQ(low.getValue(), 100);
    EXPECT_EQ(history.commands().size(), 1u);
    EXPECT_EQ(history.groupDepth(), 0u);
}

TEST_F(RangeTextTest, DraggedMaxStopsAtTheMinUnlessTheHandlesMayPass)
{
    low.setValue(flagsConstruct, 40);
    drag(range, {120, 10}, {10, 10});
    EXPECT_EQ(range.activeRole(), RangeControl::roleMax);
    EXPECT_EQ(high.getValue(), 40);
    range.setNoLimit(true);
    drag(range, {43, 10}, {13, 10});
    EXPECT_EQ(high.getValue(), 11);
}

TEST_F(RangeTextTest, PressOnCrossedLimitsChangesNothingAndTheyDrawTowardBothEnds)
{
    low.setValue(flagsConstruct, 100);
    high.setValue(flagsConstruct, 20);
    drag(range, {60, 10}, {60, 10});
    EXPECT_EQ(low.getValue(), 100);
    EXPECT_EQ(high.getValue(), 20);
    EXPECT_TRUE(history.commands().empty()) << "a press alone moved a crossed limit";
    auto canvas = drawn(range);
    EXPECT_EQ(canvas->pixel(5, 18), barColour);
    EXPECT_EQ(canvas->pixel(120, 18), barColour);
    EXPECT_EQ(canvas->pixel(60, 18), ground);
    bool textShown = false;
    canvas->inkBounds(ground, textColour, &textShown);
    EXPECT_TRUE(textShown) << "the value texts are drawn in every text mode";
}

TEST_F(RangeTextTest, VerticalRangeDragsItsMaxUpFromTheBottom)
{
    LocalParameter bottom(0, 127, 0), top(0, 127, 0);
    upright.bindParameter(&bottom, RangeControl::roleMin).bindParameter(&top, RangeControl::roleMax);
    top.setValue(flagsConstruct, 32);
    drag(upright, {10, 92}, {10, 60});
    EXPECT_EQ(top.getValue(), 63);
    auto canvas = drawn(upright);
    EXPECT_EQ(canvas->pixel(10, 100), barColour);
    EXPECT_EQ(canvas->pixel(10, 40), ground);
}

TEST_F(RangeTextTest, EachTypedKeyOfANameIsOneUndoStep)
{
    typeIntoName("pad");
    EXPECT_EQ(name.text().view(), u"pad");
    EXPECT_EQ(name.character(2).key().name.view(), u"character 2");
    ASSERT_EQ(history.commands().size(), 3u);
    simulator.Char(WXK_HOME);
    simulator.Char(WXK_DELETE);
    pump(30ms);
    EXPECT_EQ(name.text().view(), u"ad");
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(name.text().view(), u"pad");
}

TEST_F(RangeTextTest, TypingOnTheLastCharacterWrapsTheCursorToTheFirst)
{
    TextEditControl shortName(page, style);
    LocalParameter first(32, 127, 32), second(32, 127, 32);
    shortName.bindParameter(&first, 0).bindParameter(&second, 1);
    shortName.place(20, 240, nullptr);
    shortName.setSize(60, 24);
    focusWithPointerAside(shortName);
    pump(50ms);
    ASSERT_EQ(Control::focusedControl(), &shortName);
    simulator.Text("abc");
    pump(50ms);
    EXPECT_EQ(first.getValue(), 'c');
    EXPECT_EQ(second.getValue(), 'a');
}

} // namespace
