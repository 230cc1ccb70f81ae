#include "device/Device.h"
#include "tests/gui_mainframe/EditorFixture.h"
#include "tests/gui_mainframe/MessageBoxes.h"
#include "tests/support/EventPump.h"

#include <gmock/gmock.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;

// One menu as the user reads it: "label|help|id" per item, "-" per separator.
std::vector<std::string> itemsOf(const wxMenu& menu)
{
    std::vector<std::string> items;
    for (const wxMenuItem* item : menu.GetMenuItems()) {
        if (item->IsSeparator())
            items.push_back("-");
        else
            items.push_back((item->GetItemLabel() + "|" + item->GetHelp() + "|").utf8_string()
                + std::to_string(item->GetId()));
    }
    return items;
}

class MainFrameTest : public EditorFixture {
protected:
    void SetUp() override
    {
        const AnsweredMessageBoxes firstRunNotice;
        ASSERT_TRUE(startUp());
        deviceType_.calls.clear();
    }

    wxMenuBar& menuBar() { return *frame_->GetMenuBar(); }
};

TEST_F(MainFrameTest, MenuBarHoldsFileEditAndViewWithTheirExactItemsKeysAndIds)
{
    ASSERT_EQ(menuBar().GetMenuCount(), 3u);
    EXPECT_EQ(menuBar().GetMenuLabel(0), "&File");
    EXPECT_EQ(menuBar().GetMenuLabel(1), "&Edit");
    EXPECT_EQ(menuBar().GetMenuLabel(2), "&View");
    EXPECT_THAT(itemsOf(*menuBar().GetMenu(0)),
        ElementsAre("&Init...\tCtrl-N|Start from scratch|5002", "-", "&Open...\tCtrl-O|Open a file|5000",
            "&Save\tCtrl-S|Save changes|5003", "Save &as...|Save to a new location|5004",
            "Save a&ll...\tCtrl-Shift-S|Save each opened patch...|0", "-",
            "Save to &device\tCtrl-D|Save to the device|1", "-", "&About...|Show the about dialog|5014", "-",
            "E&xit\tAlt-F4|Quit this program|5006"));
    EXPECT_THAT(itemsOf(*menuBar().GetMenu(1)),
        ElementsAre("&Undo\tCtrl+Z|Undo the last command|5007", "&Redo\tCtrl+Y|Redo the last undone command|5008"));
    EXPECT_THAT(itemsOf(*menuBar().GetMenu(2)),
        ElementsAre("System\tF1||4", "Performance\tF2||5", "Voice 1\tF3||6", "Voice 2\tF4||7", "Voice 3\tF5||8",
            "Voice 4\tF6||9", "Formant sequence\tF7||10"));

    // The key texts must be ones the toolkit reads as keys.
    const std::unique_ptr<wxAcceleratorEntry> saveAll(menuBar().FindItem(MainFrame::saveAllId)->GetAccel());
    ASSERT_NE(saveAll, nullptr);
    EXPECT_EQ(saveAll->GetFlags(), wxACCEL_CTRL | wxACCEL_SHIFT);
    EXPECT_EQ(saveAll->GetKeyCode(), 'S');
    const std::unique_ptr<wxAcceleratorEntry> lastPage(menuBar().FindItem(MainFrame::firstPageId + 6)->GetAccel());
    ASSERT_NE(lastPage, nullptr);
    EXPECT_EQ(lastPage->GetKeyCode(), WXK_F7);
}

TEST_F(MainFrameTest, MenuCommandsReachTheDeviceForTheShownPage)
{
    for (const int id : std::initializer_list<int>{wxID_NEW, wxID_OPEN, wxID_SAVE, wxID_SAVEAS, MainFrame::saveAllId, MainFrame::saveToDeviceId,
             wxID_UNDO, wxID_REDO, MainFrame::dumpHistoryId})
        choose(id);
    EXPECT_THAT(deviceType_.calls,
        ElementsAre("resetCurrentPanel", "openFile", "saveToFile same -1", "saveToFile new -1", "saveAll",
            "saveToDevice -1", "undo -1", "redo -1", "dumpHistory -1"));
}

TEST_F(MainFrameTest, ViewItemsShowTheirPagesAndOtherCommandsShowNone)
{
    choose(MainFrame::firstPageId);
    choose(MainFrame::firstPageId + 6);
    // Commands of other windows pass the frame on their way up.
    choose(MainFrame::firstPageId + 7);
    choose(wxID_HIGHEST + 1);
    EXPECT_THAT(deviceType_.calls, ElementsAre("showPanel 0", "showPanel 6"));
}

TEST_F(MainFrameTest, WindowIsTitledWithTheInstrumentAndKeepsThePagesSize)
{
    EXPECT_EQ(frame_->GetTitle(), "QuorvinEdit-FS1R: TEST_DEVICE");
    EXPECT_EQ(frame_->GetName(), "frame");
    EXPECT_EQ(frame_->GetClientSize(), RecordingDevice::pageAreaSize);
    EXPECT_FALSE(frame_->HasFlag(wxRESIZE_BORDER));
    EXPECT_FALSE(frame_->HasFlag(wxMAXIMIZE_BOX));
}

TEST_F(MainFrameTest, AboutBoxNamesTheProduct)
{
    wxTEST_DIALOG(choose(wxID_ABOUT),
        ExpectMessageBox("About QuorvinEdit-FS1R", "QuorvinEdit-FS1R\n\nAn editor and librarian for synthesizers."));
}

TEST_F(MainFrameTest, KeyboardShortcutSavesThroughTheDevice)
{
    frame_->Raise();
    frame_->SetFocus();
    pumpEventsFor(100ms);
    wxUIActionSimulator keyboard;
    keyboard.Char('s', wxMOD_CONTROL);
    EXPECT_TRUE(pumpEventsUntil([this] { return !deviceType_.calls.empty(); }, 3s));
    EXPECT_THAT(deviceType_.calls, ElementsAre("saveToFile same -1"));
}

TEST_F(MainFrameTest, ExitDisconnectsAndDeletesTheDeviceBeforeThePagesGo)
{
    choose(wxID_EXIT);
    ASSERT_TRUE(waitUntilClosed());
    EXPECT_THAT(deviceType_.calls, ElementsAre("onDisconnect", "destroy"));
}

} // namespace
