#include "../gui_style/PixelCanvas.h"
#include "gui/Colours.h"
#include "gui/MemoryGridView.h"
#include "gui/WxLayout.h"
#include "patches/PatchCollection.h"
#include "text/WxText.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <vector>

namespace {

const wxColour background(100, 100, 100), white(255, 255, 255), black(0, 0, 0);

// Records the rectangles it is asked to repaint.
class RecordingGrid : public MemoryGridView {
public:
    using MemoryGridView::MemoryGridView;
    void Refresh(bool erase, const wxRect* rect) override
    {
        if (rect)
            refreshed.push_back(*rect);
        MemoryGridView::Refresh(erase, rect);
    }
    wxRect cellRect(std::int32_t index)
    {
        return toWxRect(LayoutRect(toWindow(layout()->cellOrigin(index)), layout()->cellSize()));
    }

    std::vector<wxRect> refreshed;
};

// Two banks of eight voices, kept in memory only; slot 1 of bank 0 and slot 0
// of bank 1 are filled.
class VoiceMemory : public PatchCollection {
public:
    VoiceMemory()
    {
        reset(u"YAMAHA_FS1R", u"/voices.xml", u"voices", u"voice", 2, 8);
        setRecord(0, 1, RefString(), RefString(u"Grand"), RefString(u"[Pf]"));
        setRecord(1, 0, RefString(), RefString(u"Bells"), RefString(u"[Ch]"));
    }
};

class MemoryGridTest : public testing::Test {
protected:
    MemoryGridTest()
    {
        view->SetBackgroundColour(background);
        view->fitToContents(400, 60);
    }
    ~MemoryGridTest() override
    {
        view->Destroy(); // at once, while the collection it observes lives
        frame->Destroy();
    }

    VoiceMemory library;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "memory");
    RecordingGrid* view = new RecordingGrid(frame, library);
};

TEST_F(MemoryGridTest, CellsFitTheWidestLabelAndTheWindowStaysWithinTheMaximum)
{
    const PatchCollection::TextExtent label = library.maxLabelExtent([this](const RefString& text) {
        const wxSize size = view->GetTextExtent(toWxString(text));
        return PatchCollection::TextExtent{size.x, size.y};
    });
    EXPECT_EQ(view->layout()->cellSize(), (LayoutSize{label.width + 12, label.height + 12}));
    // 16 cells fit 60 pixels in two rows; the rest is reached by scrolling.
    EXPECT_EQ(view->GetVirtualSize().x, 8 * (label.width + 12));
    EXPECT_LE(view->GetSize().x, 400);
    EXPECT_LE(view->GetSize().y, 60);
}

// Column 0: cell 0 chosen, cell 1 labelled; column 1: cell 2 hovered, cell 3 empty.
TEST_F(MemoryGridTest, ChosenCellIsSunkenOthersRaisedWithASheenAndTheirLabels)
{
    const int w = view->layout()->cellSize().width, h = view->layout()->cellSize().height;
    view->choose(0);
    PixelCanvas canvas(2 * w, 2 * h, black);
    view->layout()->draw(canvas.dc, 2 * w, 2 * h, 0, 0, 2);
    const wxColour chosen = blendColours(black, background, 20);
    EXPECT_EQ(canvas.pixel(3, h - 4), chosen);
    EXPECT_EQ(canvas.pixel(0, h / 2), blendColours(black, chosen, 150)) << "sunken: dark left edge";
    EXPECT_EQ(canvas.pixel(w + 3, h - 4), blendColours(white, background, 150)) << "hovered";
    EXPECT_EQ(canvas.pixel(w + 3, h + 2), blendColours(white, background, 100 - 50 * 2 / (h / 2))) << "sheen";
    EXPECT_EQ(canvas.pixel(w + 3, 2 * h - 4), background);
    EXPECT_EQ(canvas.pixel(w, h + h / 2), blendColours(white, background, 150)) << "raised: light left edge";
    EXPECT_EQ(canvas.pixel(w + 1, h + h / 2), blendColours(white, background, 75));
    // Label ink: dark pixels inside the text inset of cell 1, and of empty
    // cell 3, which shows its location.
    int inkInColumn[2] = {0, 0};
    for (int y = h + 6; y < 2 * h - 6; ++y)
        for (int x = 6; x < 2 * w - 6; ++x)
            inkInColumn[x / w] += canvas.pixel(x, y).Red() < 50;
    EXPECT_GT(inkInColumn[0], 0);
    EXPECT_GT(inkInColumn[1], 0);
}

TEST_F(MemoryGridTest, ChoosingRepaintsOnlyTheTwoCellsConcerned)
{
    view->choose(3);
    view->choose(5);
    view->choose(5);
    view->choose(-1);
    const std::vector<wxRect> expected = {view->cellRect(3), view->cellRect(3), view->cellRect(5), view->cellRect(5)};
    EXPECT_EQ(view->refreshed, expected);
    EXPECT_EQ(view->selection(), -1);
}

TEST_F(MemoryGridTest, ClickAndKeysChooseAndEachBankShowsItsOwnLabels)
{
    frame->Show();
    wxUIActionSimulator simulator;
    simulator.MouseMove(view->ClientToScreen(view->cellRect(2).GetPosition() + wxPoint(3, 3)));
    simulator.MouseClick();
    for (int i = 0; i < 100 && view->selection() == -1; ++i) {
        wxYield();
        wxMilliSleep(5);
    }
    EXPECT_EQ(view->selection(), 2);
    for (int key : {WXK_DOWN, WXK_RETURN}) {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = key;
        view->GetEventHandler()->ProcessEvent(event);
    }
    EXPECT_EQ(view->selection(), 3);

    // A limit beyond the bank size must not reach into the next bank.
    view->setEntryLimit(200);
    EXPECT_EQ(view->itemCount(), 16);
    view->setEntryLimit(4);
    EXPECT_EQ(view->itemCount(), 8);
    EXPECT_TRUE(view->itemMatches(4, u"[Ch]", library.locationPrefixLength())) << "the second bank's first slot";
    view->selectFirstOnly();
    EXPECT_EQ(view->itemCount(), 4);
}

} // namespace
