// The internal-memory dialog as the user meets it: the cache's names in a
// grid, a slot picked with the mouse or the keys and confirmed, Cancel and
// Escape giving no slot, and the 64-voice instrument offering 64 slots.
#include "gui/MemoryGridView.h"
#include "instrument/Fs1rInternalMemory.h"
#include "instrument/gui/InternalMemoryView.h"
#include "patches/PatchCollection.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>
#include <vector>

namespace {

constexpr std::uint32_t voiceBankSize = 128;

// Two banks of voices, kept in memory; slot 5 of each bank is named.
class VoiceMemory : public PatchCollection {
public:
    VoiceMemory()
    {
        reset(u"YAMAHA_FS1R", u"/voices.xml", u"voices", u"voice", 2, voiceBankSize);
        setRecord(0, 5, RefString(), RefString(u"Grand"), RefString(u"[Pf]"));
        setRecord(1, 5, RefString(), RefString(u"Bells"), RefString(u"[Ch]"));
    }
};

bool waitFor(const std::function<bool()>& done)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done() && std::chrono::steady_clock::now() < limit) {
        wxYield();
        wxMilliSleep(5);
    }
    return done();
}

class InternalMemoryViewTest : public testing::Test {
protected:
    ~InternalMemoryViewTest() override { frame->Destroy(); }

    // Shows the dialog and, once it is on screen, acts as the user; a
    // dialog the actions leave open is closed after a while so that a
    // failing test does not hang the run.
    int showAndAct(const std::function<void()>& act)
    {
        wxTimer watchdog;
        watchdog.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { view.EndModal(wxID_ABORT); });
        watchdog.StartOnce(10000);
        view.CallAfter([this, act] {
            if (waitFor([this] { return view.IsShownOnScreen() && view.grid().HasFocus(); }))
                act();
        });
        return view.showModal();
    }

    // Without a window manager keys go to the window under the pointer:
    // rest it on the dialog, off the grid so that it hovers no cell.
    void typeKeys(const std::vector<int>& keys)
    {
        simulator.MouseMove(view.ClientToScreen(wxPoint(1, view.GetClientSize().y - 2)));
        for (int key : keys)
            simulator.Char(key);
    }
    void clickAt(wxWindow& window, wxPoint point)
    {
        simulator.MouseMove(window.ClientToScreen(point));
        simulator.MouseClick();
    }
    void clickCell(std::int32_t index)
    {
        MemoryGridView& grid = view.grid();
        clickAt(grid, grid.CalcScrolledPosition(toPoint(grid.layout()->cellOrigin(index))) + wxPoint(4, 4));
    }
    void click(std::int32_t buttonId)
    {
        wxWindow* button = view.FindWindow(buttonId);
        ASSERT_NE(button, nullptr);
        clickAt(*button, wxPoint(button->GetSize().x / 2, button->GetSize().y / 2));
    }
    static wxPoint toPoint(LayoutPoint point) { return wxPoint(point.x, point.y); }

    VoiceMemory library;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "pages");
    InternalMemoryView view{frame, library};
    wxUIActionSimulator simulator;
};

TEST_F(InternalMemoryViewTest, ShowsThePromptAndTheFirstBanksNamesAndAClickedSlotIsConfirmedByOk)
{
    view.setPrompt(RefString(u"Select the destination"));
    const int result = showAndAct([this] {
        clickCell(5);
        waitFor([this] { return view.getSelection() == 5; });
        click(wxID_OK);
    });
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(view.getSelection(), 5);
    EXPECT_EQ(view.GetTitle(), "FS1R internal memory");
    auto* prompt = dynamic_cast<wxStaticText*>(view.FindWindow("staticText"));
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->GetLabel(), "Select the destination");
    EXPECT_EQ(view.grid().itemCount(), std::int32_t(voiceBankSize)) << "the first bank only";
    EXPECT_TRUE(view.grid().itemMatches(5, u"[Pf]", library.locationPrefixLength()));
    EXPECT_FALSE(view.grid().itemMatches(5, u"[Ch]", library.locationPrefixLength()));
}

TEST_F(InternalMemoryViewTest, ArrowsAndEnterPickASlotAndTheNextShowingStartsWithNone)
{
    std::int32_t expected = -1;
    const int result = showAndAct([this, &expected] {
        // The first key starts at slot 0 and moves on from there.
        const CellLayout& layout = *view.grid().layout();
        const LayoutPoint first = layout.cellOrigin(0);
        expected = layout.cellAt(first.x + layout.cellPitch().width, first.y + layout.cellPitch().height);
        typeKeys({WXK_RIGHT, WXK_DOWN, WXK_RETURN});
        waitFor([this] { return view.getSelection() != -1; });
        click(wxID_OK);
    });
    EXPECT_EQ(result, wxID_OK);
    EXPECT_GT(expected, 0);
    EXPECT_EQ(view.getSelection(), expected);

    std::int32_t selectionWhenShown = -2;
    showAndAct([this, &selectionWhenShown] {
        selectionWhenShown = view.getSelection();
        click(wxID_CANCEL);
    });
    EXPECT_EQ(selectionWhenShown, -1);
}

TEST_F(InternalMemoryViewTest, CancelAndEscapeEndWithoutASlotAndAnEmptyPromptShowsNoText)
{
    const int cancelled = showAndAct([this] {
        clickCell(3);
        waitFor([this] { return view.getSelection() == 3; });
        click(wxID_CANCEL);
    });
    EXPECT_EQ(cancelled, wxID_CANCEL);

    std::int32_t chosenBeforeEscape = -1;
    const int escaped = showAndAct([this, &chosenBeforeEscape] {
        clickCell(2);
        waitFor([this] { return view.getSelection() == 2; });
        chosenBeforeEscape = view.getSelection();
        typeKeys({WXK_ESCAPE});
    });
    EXPECT_EQ(chosenBeforeEscape, 2);
    EXPECT_EQ(escaped, wxID_CANCEL);
    EXPECT_EQ(view.FindWindow("staticText"), nullptr);
}

TEST_F(InternalMemoryViewTest, TheVoiceLimitHidesTheUpperSixtyFourSlots)
{
    view.setEntryLimit(Fs1rInternalMemory::entryLimit(Fs1rParts::firstVoice, library, 64u));
    const int result = showAndAct([this] {
        // To slot 63, then one step further each way, which the keys must refuse.
        const CellLayout& layout = *view.grid().layout();
        const LayoutPoint last = layout.cellOrigin(63), first = layout.cellOrigin(0);
        std::vector<int> keys(std::size_t((last.y - first.y) / layout.cellPitch().height), WXK_DOWN);
        keys.insert(keys.end(), std::size_t((last.x - first.x) / layout.cellPitch().width), WXK_RIGHT);
        keys.insert(keys.end(), {WXK_DOWN, WXK_RIGHT, WXK_RETURN});
        typeKeys(keys);
        waitFor([this] { return view.getSelection() != -1; });
        click(wxID_OK);
    });
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(view.grid().itemCount(), 64);
    EXPECT_EQ(view.getSelection(), 63);
}

} // namespace
