// The algorithm selector on a shown page: one algorithm's diagram and caption
// read back from a bitmap, the popup of every algorithm picked with the real
// pointer as one undo step, and the operator conditions.
#include "controls/AlgorithmOperatorCondition.h"
#include "controls/AlgorithmSelector.h"
#include "gui/ControlStyle.h"
#include "layout/CellLayout.h"
#include "localparams/LocalParameter.h"
#include "tests/gui_style/PixelCanvas.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <array>
#include <chrono>
#include <functional>

namespace {

using namespace std::chrono_literals;
const wxColour ground(0, 0, 0), lineColour(255, 255, 255), numberColour(1, 2, 3), captionColour(255, 255, 0),
    firstColour(255, 149, 149);
constexpr int selectorWidth = 160, selectorHeight = 80;

// 1: operator 1 feeding itself. 2: operators 1 and 2, operator 3 above 2, no
// loop. 3 and 4: the same with 2 feeding back into 1.
const AlgorithmGraph selfLoop{0x01, {}, 1, 1}, stacked{0x03, {0, 0x04}, 0, 0}, looped{0x03, {0, 0x04}, 2, 1};

// Where the pixels of exactly one colour lie.
wxRect boundsOf(PixelCanvas& canvas, const wxColour& colour)
{
    wxRect bounds;
    for (int y = 0; y < canvas.image().GetHeight(); ++y)
        for (int x = 0; x < canvas.image().GetWidth(); ++x)
            if (canvas.pixel(x, y) == colour)
                bounds.Union(wxRect(x, y, 1, 1));
    return bounds;
}

class AlgorithmSelectorTest : public testing::Test {
protected:
    AlgorithmSelectorTest()
    {
        style.backgroundBrush = wxBrush(ground);
        style.pen1 = wxPen(lineColour);
        style.colour4 = captionColour;
        style.colour6 = numberColour;
        algorithm.setCommandList(&history);
        selector.place(20, 20, nullptr);
        selector.setSize(selectorWidth, selectorHeight);
        selector.bindParameter(&algorithm);
        selector.setAlgorithmTable(graphs);
        selector.setOperatorColour(0, firstColour);
        frame->Show();
        pump(50ms);
    }
    ~AlgorithmSelectorTest() override { frame->Destroy(); }

    // The display main runs no event loop of its own.
    static bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 2s)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        for (; !done() && std::chrono::steady_clock::now() < end; wxMilliSleep(5))
            wxYield();
        return done();
    }
    static void pump(std::chrono::milliseconds time) { pumpUntil([] { return false; }, time); }
    bool popupShown() const { return selector.popupList() && selector.popupList()->IsShown(); }
    // Presses closer than the double-click time would arrive as a double-click.
    void clickAt(wxPoint screen)
    {
        pump(500ms);
        simulator.MouseMove(screen);
        pump(30ms);
        simulator.MouseClick();
    }
    wxPoint cellOnScreen(std::int32_t index) const
    {
        PopupListDialog& popup = *selector.popupList();
        const LayoutPoint origin = popup.toWindow(popup.layout()->cellOrigin(index));
        return popup.ClientToScreen(wxPoint(origin.x + 2, origin.y + 2));
    }
    std::unique_ptr<PixelCanvas> drawn()
    {
        auto canvas = std::make_unique<PixelCanvas>(selectorWidth, selectorHeight, wxColour(9, 9, 9));
        selector.draw(canvas->dc, wxRegion(), true, false, false);
        return canvas;
    }

    const std::array<AlgorithmGraph, 4> graphs{selfLoop, stacked, looped, looped};
    ControlStyle style;
    CommandList history;
    wxUIActionSimulator simulator;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page", wxPoint(50, 50), wxSize(400, 300));
    wxPanel* page = new wxPanel(frame);
    LocalParameter algorithm{0, 3};
    AlgorithmSelector selector{page, style};
};

TEST_F(AlgorithmSelectorTest, DrawsTheChosenDiagramAtTheBottomLeftTheCaptionAtTheTopRightAndWithoutATableNoDiagram)
{
    auto canvas = drawn();
    // Operator 1's box: 12 pixels, its bottom 5 above the output line, which
    // lies one border above the bottom edge.
    const int boxTop = selectorHeight - 1 - 5 - 12;
    EXPECT_EQ(canvas->pixel(1, boxTop), firstColour);
    EXPECT_EQ(canvas->pixel(12, boxTop + 11), firstColour);
    EXPECT_EQ(canvas->pixel(0, boxTop), ground) << "the box starts one border in";
    EXPECT_EQ(canvas->pixel(7, selectorHeight - 3), lineColour) << "the output line";
    EXPECT_EQ(canvas->pixel(15, boxTop + 5), lineColour) << "the self-loop up the box's right side";
    EXPECT_FALSE(boundsOf(*canvas, numberColour).IsEmpty()) << "12-pixel boxes carry their number";
    const wxRect caption = boundsOf(*canvas, captionColour);
    EXPECT_LT(caption.GetBottom(), selectorHeight / 3);
    EXPECT_GT(caption.x, selectorWidth / 3);
    EXPECT_LT(caption.GetRight(), selectorWidth - 12 + 2) << "room kept for the widest value";

    selector.setAlgorithmTable({});
    canvas = drawn();
    EXPECT_EQ(canvas->inkBounds(ground), boundsOf(*canvas, captionColour).Union(canvas->inkBounds(ground)));
    EXPECT_LT(canvas->inkBounds(ground).GetBottom(), selectorHeight / 3) << "nothing but the caption";
}

TEST_F(AlgorithmSelectorTest, EveryPopupCellKeepsItsDiagramAndNumberClearOfItsEdges)
{
    const LayoutSize cell = selector.popupLayout().cellSize();
    for (std::int32_t index = 0; index < selector.itemCount(); ++index) {
        PixelCanvas canvas(cell.width, cell.height, ground);
        selector.drawItem(canvas.dc, index, false, LayoutRect(0, 0, cell.width, cell.height), 0);
        const wxRect ink = canvas.inkBounds(ground);
        EXPECT_FALSE(ink.IsEmpty()) << "cell " << index;
        EXPECT_TRUE(wxRect(1, 0, cell.width - 2, cell.height).Contains(ink))
            << "cell " << index << ": ink at " << ink.x << ", " << ink.y << ", " << ink.width << " x " << ink.height;
    }
}

TEST_F(AlgorithmSelectorTest, PickingACellOfThePopupSetsTheAlgorithmAsOneUndoStep)
{
    EXPECT_EQ(selector.popupLayout().cellSize(), (LayoutSize{24, 24}))
        << "two columns and rows of 9, 3 of margin each side, 2 for the feedback path, 4 for the text";
    clickAt(selector.window()->ClientToScreen(wxPoint(selectorWidth / 2, selectorHeight / 2)));
    ASSERT_TRUE(pumpUntil([this] { return popupShown(); }));
    EXPECT_EQ(algorithm.getValue(), 0) << "the opening click picks nothing";
    clickAt(cellOnScreen(2));
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));
    EXPECT_EQ(algorithm.getValue(), 2);
    ASSERT_EQ(history.commands().size(), 1u);
    EXPECT_EQ(history.groupDepth(), 0u);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(algorithm.getValue(), 0);
}

TEST_F(AlgorithmSelectorTest, KeysMoveAndPickInTheOpenPopup)
{
    // The selector keeps the keyboard focus while its list is open, so it
    // must hand the keys on or they would step the value behind the list.
    clickAt(selector.window()->ClientToScreen(wxPoint(selectorWidth / 2, selectorHeight / 2)));
    ASSERT_TRUE(pumpUntil([this] { return popupShown(); }));
    const auto press = [this](int code) {
        wxKeyEvent key(wxEVT_KEY_DOWN);
        key.m_keyCode = code;
        selector.window()->GetEventHandler()->ProcessEvent(key);
        pump(30ms);
    };
    press(WXK_DOWN);
    press(WXK_DOWN);
    const std::int32_t hovered = selector.popupList()->hoverIndex();
    ASSERT_GT(hovered, 0) << "the keys moved in the list";
    press(WXK_RETURN);
    ASSERT_TRUE(pumpUntil([this] { return !popupShown(); }));
    EXPECT_EQ(algorithm.getValue(), hovered);
    EXPECT_EQ(history.commands().size(), 1u);
}

TEST_F(AlgorithmSelectorTest, OperatorConditionsFollowTheAlgorithmAndTellTheirListeners)
{
    const auto carrier2 = makeCarrierOperatorCondition(selector, 1);
    const auto feedback1 = makeFeedbackOperatorCondition(selector, 0);
    const auto feedback2 = makeFeedbackOperatorCondition(selector, 1);
    struct Counter : ParameterListener {
        void onParameterChanged(Parameter*, std::uint32_t) override { ++calls; }
        int calls = 0;
    } counter;
    carrier2->subscribe(counter);

    EXPECT_FALSE(carrier2->isTrue());
    EXPECT_TRUE(feedback1->isTrue()) << "a self-loop feeds back into its own operator";
    algorithm.setValue(flagsUserEdit, 2);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_TRUE(carrier2->isTrue());
    EXPECT_TRUE(feedback1->isTrue());
    EXPECT_FALSE(feedback2->isTrue()) << "the source of a loop does not receive it";
    algorithm.setValue(flagsUserEdit, 1);
    EXPECT_FALSE(feedback1->isTrue()) << "no loop";
}

TEST_F(AlgorithmSelectorTest, ValuesWithoutARecordGiveTheEmptyAlgorithmAndCellsCountFromTheMinimum)
{
    LocalParameter wide(-1, 9);
    selector.bindParameter(&wide);
    for (std::int32_t value : {-1, 4, 9}) {
        wide.setValue(flagsConstruct, value);
        EXPECT_EQ(selector.currentAlgorithm(), AlgorithmGraph{}) << value;
    }
    selector.select(4);
    EXPECT_EQ(wide.getValue(), 3);
    EXPECT_EQ(selector.currentAlgorithm(), looped);
    EXPECT_EQ(selector.currentIndex(), 4);
}

} // namespace
