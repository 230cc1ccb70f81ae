#include "app/tests/gui_app/EditorFixture.h"
#include "tests/support/EventPump.h"

#include <gmock/gmock.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;

// "label|help|id" per item, "-" per separator.
std::vector<std::string> itemsOf(const wxMenu& menu)
{
    std::vector<std::string> items;
    for (const wxMenuItem* item : menu.GetMenuItems())
        items.push_back(item->IsSeparator() ? "-"
                                            : (item->GetItemLabel() + "|" + item->GetHelp() + "|").utf8_string()
                + std::to_string(item->GetId()));
    return items;
}

class MainFrameTest : public EditorFixture {
protected:
    void SetUp() override
    {
        const AnsweredMessageBoxes firstRunNotice;
        ASSERT_TRUE(startUp(deviceType_));
    }
};

TEST_F(MainFrameTest, MenusHoldTheirExactItemsKeysAndIdsAndTheWindowFitsThePages)
{
    wxMenuBar& menus = *frame_->GetMenuBar();
    ASSERT_EQ(menus.GetMenuCount(), 3u);
    EXPECT_EQ(menus.GetMenuLabel(0) + menus.GetMenuLabel(1) + menus.GetMenuLabel(2), "&File&Edit&View");
    EXPECT_THAT(itemsOf(*menus.GetMenu(0)),
        ElementsAre("&Init...\tCtrl-N|Start from scratch|5002", "-", "&Open...\tCtrl-O|Open a file|5000",
            "&Save\tCtrl-S|Save changes|5003", "Save &as...|Save to a new location|5004",
            "Save a&ll...\tCtrl-Shift-S|Save each opened patch...|0", "-",
            "Save to &device\tCtrl-D|Save to the device|1", "-", "&About...|Show the about dialog|5014", "-",
            "E&xit\tAlt-F4|Quit this program|5006"));
    EXPECT_THAT(itemsOf(*menus.GetMenu(1)),
        ElementsAre("&Undo\tCtrl+Z|Undo the last command|5007", "&Redo\tCtrl+Y|Redo the last undone command|5008"));
    EXPECT_THAT(itemsOf(*menus.GetMenu(2)),
        ElementsAre("System\tF1||4", "Performance\tF2||5", "Voice 1\tF3||6", "Voice 2\tF4||7", "Voice 3\tF5||8",
            "Voice 4\tF6||9", "Formant sequence\tF7||10"));
    // The key texts must be ones the toolkit reads as keys.
    const std::unique_ptr<wxAcceleratorEntry> saveAll(menus.FindItem(MainFrame::saveAllId)->GetAccel());
    ASSERT_NE(saveAll, nullptr);
    EXPECT_EQ(saveAll->GetFlags(), wxACCEL_CTRL | wxACCEL_SHIFT);
    EXPECT_EQ(saveAll->GetKeyCode(), 'S');

    EXPECT_EQ(frame_->GetTitle(), "QuorvinEdit-FS1R: TEST_DEVICE");
    EXPECT_EQ(frame_->GetClientSize(), RecordingDevice::pageAreaSize);
    EXPECT_FALSE(frame_->HasFlag(wxRESIZE_BORDER));
}

TEST_F(MainFrameTest, MenuCommandsReachTheDeviceForTheShownPageAndOthersReachNothing)
{
    for (const int id : std::initializer_list<int>{wxID_NEW, wxID_OPEN, wxID_SAVE, wxID_SAVEAS, 0, 1, wxID_UNDO, wxID_REDO, 2, 4, 10})
        choose(id);
    // Commands of other windows pass the frame on their way up.
    choose(11);
    choose(wxID_HIGHEST + 1);
    EXPECT_THAT(deviceType_.calls, ElementsAre("resetCurrentPanel", "openFile", "save -1", "saveAs -1", "saveAll",
                                       "saveToDevice -1", "undo -1", "redo -1", "dumpHistory -1", "showPanel 0",
                                       "showPanel 6"));
}

TEST_F(MainFrameTest, KeyboardShortcutSavesThroughTheDevice)
{
    frame_->Raise();
    frame_->SetFocus();
    pumpEventsFor(100ms);
    wxUIActionSimulator().Char('s', wxMOD_CONTROL);
    EXPECT_TRUE(pumpEventsUntil([this] { return !deviceType_.calls.empty(); }, 3s));
    EXPECT_THAT(deviceType_.calls, ElementsAre("save -1"));
}

} // namespace
