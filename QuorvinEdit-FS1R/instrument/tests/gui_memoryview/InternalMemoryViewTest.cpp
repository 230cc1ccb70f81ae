// The internal-memory dialog as the user meets it, through real pointer and
// key events: a slot picked and confirmed, Cancel and Escape giving none,
// and the 64-voice instrument offering 64 slots.
#include "gui/MemoryGridView.h"
#include "instrument/gui/InternalMemoryView.h"
#include "patches/PatchCollection.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>
#include <vector>

namespace {

// Two banks of 128 voices; slot 5 of each is named.
class VoiceMemory : public PatchCollection {
public:
    VoiceMemory()
    {
        reset(u"YAMAHA_FS1R", u"/voices.xml", u"voices", u"voice", 2, 128);
        setRecord(0, 5, RefString(), RefString(u"Grand"), RefString(u"[Pf]"));
        setRecord(1, 5, RefString(), RefString(u"Bells"), RefString(u"[Ch]"));
    }
};

bool waitFor(const std::function<bool()>& done)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (; !done() && std::chrono::steady_clock::now() < limit; wxMilliSleep(5))
        wxYield();
    return done();
}

class InternalMemoryViewTest : public testing::Test {
protected:
    // The pages are on the screen, as in the program: the dialog maps
    // centred on them, where it stays.
    InternalMemoryViewTest() { frame->Show(); }
    ~InternalMemoryViewTest() override { frame->Destroy(); }

    // Acts as the user once the dialog is on screen and has taken the place
    // it takes once shown; a watchdog closes a dialog the actions left open.
    int showAndAct(const std::function<void()>& act)
    {
        wxTimer watchdog;
        watchdog.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { view.EndModal(wxID_ABORT); });
        watchdog.StartOnce(10000);
        view.CallAfter([this, act] {
            if (waitFor([this] { return view.IsShownOnScreen() && view.grid().HasFocus(); }))
                view.CallAfter(act);
        });
        return view.showModal();
    }
    // Without a window manager keys go to the window under the pointer,
    // which rests on the dialog beside the grid so it hovers no cell.
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
    void pickWithMouse(std::int32_t slot)
    {
        const LayoutPoint cell = view.grid().layout()->cellOrigin(slot);
        clickAt(view.grid(), view.grid().CalcScrolledPosition(wxPoint(cell.x + 4, cell.y + 4)));
        waitFor([this, slot] { return view.getSelection() == slot; });
    }
    void click(int buttonId) { clickAt(*view.FindWindow(buttonId), wxPoint(4, 4)); }

    VoiceMemory library;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "pages");
    InternalMemoryView view{frame, library};
    wxUIActionSimulator simulator;
};

TEST_F(InternalMemoryViewTest, ShowsThePromptAndTheFirstBanksNamesAndOkConfirmsTheClickedSlot)
{
    view.setPrompt(RefString(u"Select the destination"));
    EXPECT_EQ(showAndAct([this] { pickWithMouse(5); click(wxID_OK); }), wxID_OK);
    EXPECT_EQ(view.getSelection(), 5);
    auto* prompt = dynamic_cast<wxStaticText*>(view.FindWindow("staticText"));
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->GetLabel(), "Select the destination");
    EXPECT_EQ(view.grid().itemCount(), 128) << "the first bank only";
    EXPECT_TRUE(view.grid().itemMatches(5, u"[Pf]", library.locationPrefixLength()));
}

TEST_F(InternalMemoryViewTest, CancelAndEscapeGiveNoSlotAndAnEmptyPromptShowsNoText)
{
    EXPECT_EQ(showAndAct([this] { pickWithMouse(3); click(wxID_CANCEL); }), wxID_CANCEL);
    std::int32_t selectionWhenShownAgain = -2;
    EXPECT_EQ(showAndAct([this, &selectionWhenShownAgain] {
        selectionWhenShownAgain = view.getSelection();
        pickWithMouse(2);
        typeKeys({WXK_ESCAPE});
    }),
        wxID_CANCEL);
    EXPECT_EQ(selectionWhenShownAgain, -1);
    EXPECT_EQ(view.FindWindow("staticText"), nullptr);
}

// Keys walk to slot 63, then one step further each way, which must find
// nothing; Enter picks the slot reached.
TEST_F(InternalMemoryViewTest, KeysPickASlotAndTheVoiceLimitHidesSlotsFromSixtyFourOn)
{
    view.setEntryLimit(64);
    const int result = showAndAct([this] {
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
