// The choice control and its popup list on a shown page, driven by the real
// pointer and keys: picks by key and by mouse, cancels, the item filter, and
// what the control draws, read back from a bitmap.
#include "controls/ChoiceControl.h"
#include "gui/ControlStyle.h"
#include "labels/FixedLabelList.h"
#include "layout/CellLayout.h"
#include "localparams/LocalParameter.h"
#include "popup/PopupListDialog.h"
#include "tests/gui_style/PixelCanvas.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>
#include <memory>

namespace {

using namespace std::chrono_literals;
const wxColour pageColour(40, 90, 40), valueColour(255, 255, 0);
constexpr int choiceWidth = 120, choiceHeight = 20;

class PopupTest : public testing::Test {
protected:
    PopupTest()
    {
        page->SetBackgroundColour(pageColour);
        style.colour4 = valueColour;
        mode.setCommandList(&history);
        choice.place(20, 20, nullptr);
        choice.setSize(choiceWidth, choiceHeight);
        choice.bindParameter(&mode);
        choice.setValueLabels(&labels);
        frame->Show();
        // Without a window manager the keyboard focus goes only where asked.
        frame->Raise();
        pump(50ms);
    }
    ~PopupTest() override { frame->Destroy(); }

    // The display main runs no event loop of its own.
    static bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 2s)
    {
        for (const auto end = std::chrono::steady_clock::now() + limit; !done();) {
            if (std::chrono::steady_clock::now() >= end)
                return false;
            wxYield();
            wxMilliSleep(5);
        }
        return true;
    }
    static void pump(std::chrono::milliseconds time)
    {
        pumpUntil([] { return false; }, time);
    }
    bool popupShown() const { return choice.popupList() && choice.popupList()->IsShown(); }
    void key(int code)
    {
        simulator.Char(code);
        pump(30ms);
    }
    void openByKey()
    {
        choice.window()->SetFocus();
        pump(30ms);
        key(WXK_RETURN);
        ASSERT_TRUE(pumpUntil([this] { return popupShown(); }));
    }
    // Presses closer than the double-click time would arrive as a double-click.
    void clickAt(wxPoint screen)
    {
        pump(500ms);
        simulator.MouseMove(screen);
        pump(30ms);
        simulator.MouseClick();
        pump(50ms);
    }
    wxPoint cellOnScreen(std::int32_t index) const
    {
        PopupListDialog& popup = *choice.popupList();
        const LayoutPoint origin = popup.toWindow(popup.layout()->cellOrigin(index));
        return popup.ClientToScreen(wxPoint(origin.x + 4, origin.y + 4));
    }

    ControlStyle style;
    CommandList history;
    wxUIActionSimulator simulator;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page", wxPoint(50, 50), wxSize(400, 300));
    wxPanel* page = new wxPanel(frame);
    RefString names[6] = {RefString(u"Pf:Grand"), RefString(u"St:Violin"), RefString(u"Pf:Upright"),
        RefString(u"Br:Horn"), RefString(u"Pf:EP"), RefString(u"St:Cello")};
    FixedLabelList labels{names, 6};
    // The popup index is the value less the minimum.
    LocalParameter mode{2, 7};
    ChoiceControl choice{page, style};
};

TEST_F(PopupTest, KeysStepThroughTheLabelsAndPickFromThePopupAsOneUndoStep)
{
    choice.window()->SetFocus();
    pump(30ms);
    key(WXK_PAGEUP);
    EXPECT_EQ(mode.valueText(mode.getValue()), RefString(u"St:Violin")) << "other keys keep the control's rules";
    history.clear();

    openByKey();
    EXPECT_EQ(choice.popupList()->hoverIndex(), -1) << "nothing hovered until a key or the pointer moves";

    key(WXK_DOWN);
    key(WXK_DOWN);
    key(WXK_RETURN);
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));
    EXPECT_EQ(mode.getValue(), 5) << "keys start at the current item";
    EXPECT_FALSE(choice.popupList()->HasCapture());
    ASSERT_EQ(history.commands().size(), 1u);
    EXPECT_EQ(history.groupDepth(), 0u);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(mode.getValue(), 3);
}

TEST_F(PopupTest, ClickOpensThePopupOverTheControlAndAClickOnACellPicksIt)
{
    clickAt(choice.window()->ClientToScreen(wxPoint(30, 10)));
    ASSERT_TRUE(pumpUntil([this] { return popupShown(); }));
    EXPECT_EQ(mode.getValue(), 2) << "the release of the opening click picks nothing";
    EXPECT_EQ(choice.popupList()->GetScreenPosition(), choice.position());
    clickAt(cellOnScreen(3));
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));
    EXPECT_EQ(mode.valueText(mode.getValue()), RefString(u"Br:Horn"));
    EXPECT_EQ(history.commands().size(), 1u);
}

TEST_F(PopupTest, EscapeAndAClickBesideTheCellsCancelLeavingValueAndHistory)
{
    openByKey();
    key(WXK_DOWN);
    key(WXK_ESCAPE);
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));
    EXPECT_TRUE(frame->IsShown()) << "Escape closes only the popup";

    clickAt(choice.window()->ClientToScreen(wxPoint(30, 10)));
    ASSERT_TRUE(pumpUntil([this] { return popupShown(); }));
    clickAt(frame->ClientToScreen(wxPoint(380, 280)));
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));
    EXPECT_EQ(mode.getValue(), 2);
    EXPECT_TRUE(history.commands().empty());
}

TEST_F(PopupTest, TheListClosesOnceItsControlLeavesTheScreen)
{
    openByKey();
    page->Hide();
    EXPECT_TRUE(pumpUntil([this] { return !popupShown(); })) << "the list stayed without its control";
    EXPECT_FALSE(choice.popupList()->HasCapture());
    EXPECT_EQ(mode.getValue(), 2);
}

TEST_F(PopupTest, FilteredPopupPicksTheMatchingValueNotTheShownPosition)
{
    mode.setValue(flagsConstruct, 4); // "Pf:Upright", the second shown cell
    choice.setItemFilter(RefString(u"Pf"), 0);
    openByKey();
    key(WXK_DOWN);
    key(WXK_RETURN);
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));
    EXPECT_EQ(mode.valueText(mode.getValue()), RefString(u"Pf:EP")) << "the third shown cell is the fifth value";

    choice.setItemFilter(RefString(u"Xx"), 0);
    openByKey();
    key(WXK_RETURN);
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));
    EXPECT_EQ(mode.getValue(), 6) << "an empty list picks nothing";

    choice.setItemFilter(RefString(), 0);
    EXPECT_FALSE(choice.hasItemFilter());
    openByKey();
    key(WXK_DOWN);
    key(WXK_RETURN);
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));
    EXPECT_EQ(mode.valueText(mode.getValue()), RefString(u"St:Cello")) << "every value is back";
}

TEST_F(PopupTest, TheListMadeAtItsFirstOpeningShowsTheFilteredItemsWithTheCurrentOneMarked)
{
    EXPECT_EQ(choice.popupList(), nullptr) << "no list window before the first opening";
    mode.setValue(flagsConstruct, 6); // "Pf:EP", the third "Pf" value
    choice.setItemFilter(RefString(u"Pf"), 0);
    openByKey();
    PopupListDialog& popup = *choice.popupList();
    EXPECT_EQ(popup.currentIndex(), 2) << "the current value's cell";
    popup.choose(1);
    EXPECT_EQ(mode.valueText(mode.getValue()), RefString(u"Pf:Upright")) << "the second cell shows the second match";
}

TEST_F(PopupTest, CellsAreSizedAgainWhenTheLabelsChange)
{
    openByKey();
    const int shortWidth = choice.popupList()->layout()->cellSize().width;
    key(WXK_ESCAPE);
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));

    RefString longer[6] = {RefString(u"Pf:Grand Concert Hall"), names[1], names[2], names[3], names[4], names[5]};
    const FixedLabelList longLabels(longer, 6);
    choice.setValueLabels(&longLabels);
    openByKey();
    EXPECT_GT(choice.popupList()->layout()->cellSize().width, shortWidth + 30);
    key(WXK_ESCAPE);
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));
    choice.setValueLabels(&labels);
}

TEST_F(PopupTest, NarrowChoiceDrawsTheArrowOnlyWhenToldToClipAndThenCutsTheValue)
{
    const auto drawn = [this](int width) {
        choice.setSize(width, choiceHeight);
        auto canvas = std::make_unique<PixelCanvas>(width, choiceHeight, pageColour);
        choice.draw(canvas->dc, wxRegion(), true, false, false);
        return canvas;
    };
    const int arrowX = choiceWidth - 4, arrowY = choiceHeight / 2;
    EXPECT_EQ(drawn(choiceWidth)->pixel(arrowX, arrowY), valueColour);

    constexpr int narrow = 40;
    auto unclipped = drawn(narrow);
    EXPECT_GE(unclipped->inkBounds(pageColour).GetRight(), narrow - 6) << "the value runs to the edge";
    choice.setClipWhenNarrow(true);
    auto clipped = drawn(narrow);
    EXPECT_EQ(clipped->pixel(narrow - 4, arrowY), valueColour);
    for (int y = 0; y < choiceHeight; ++y)
        EXPECT_EQ(clipped->pixel(narrow - 7, y), pageColour) << "cut at the arrow, row " << y;
}

} // namespace
