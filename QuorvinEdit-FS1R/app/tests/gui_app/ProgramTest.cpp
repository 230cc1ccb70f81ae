#include "app/Fs1rDeviceType.h"
#include "app/tests/gui_app/EditorFixture.h"
#include "gui/WaitDialog.h"
#include "instrument/Fs1rDevice.h"
#include "tests/support/EventPump.h"
#include "xml/XmlFile.h"

#include <gmock/gmock.h>
#include <wx/filedlg.h>
#include <wx/html/htmlwin.h>

namespace {

bool waitDialogShown()
{
    return std::ranges::any_of(wxTopLevelWindows,
        [](const wxWindow* window) { return dynamic_cast<const WaitDialog*>(window) && window->IsShown(); });
}

using ProgramTest = EditorFixture;

TEST_F(ProgramTest, MainWindowFindsTheSimulatedFs1rAndKeepsItsPortsWhenClosed)
{
    AnsweredMessageBoxes boxes;
    ASSERT_TRUE(startUp(Fs1rDeviceType()));
    auto* device = dynamic_cast<Fs1rDevice*>(frame_->device());
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->mainPanel()->GetParent(), frame_.get()) << "the main window destroys the pages";

    // No port was saved: the finder searches and finds the simulator.
    ASSERT_TRUE(pumpEventsUntil([&] { return boxes.boxes.size() == 2; }));
    EXPECT_EQ(boxes.boxes[0].caption, "First time using QuorvinEdit-FS1R");
    EXPECT_EQ(boxes.boxes[1].caption, "YAMAHA_FS1R");
    EXPECT_EQ(boxes.boxes[1].text, "The device was found - MIDI connection is done");
    EXPECT_TRUE(boxes.boxes[0].overShownMainWindow && boxes.boxes[1].overShownMainWindow);
    auto* help = dynamic_cast<wxHtmlWindow*>(frame_->FindWindow("htmlWindow"));
    ASSERT_NE(help, nullptr);
    EXPECT_THAT(help->ToText().utf8_string(), testing::HasSubstr("FS1R"))
        << "the quick help is found beside the program, as it is installed";
    EXPECT_TRUE(pumpEventsUntil([] { return !waitDialogShown(); }));
    EXPECT_EQ(frame_->GetTitle(), "QuorvinEdit-FS1R: FS1R: Performance");
    wxTEST_DIALOG(choose(wxID_OPEN), wxExpectModal<wxFileDialog>(wxString(), wxID_CANCEL).Describe("the file chooser"));

    ASSERT_TRUE(exitProgram());
    EXPECT_EQ(boxes.boxes.size(), 2u) << "nothing went wrong on the way out";
    const auto saved = savedSettings();
    ASSERT_NE(saved, nullptr);
    EXPECT_THAT(xmlText(*saved), testing::HasSubstr("name=\"FS1R simulator\""))
        << "the ports the finder found are kept for the next start";
    EXPECT_FALSE(saved->child(RefString(u"YAMAHA_FS1R/CurrentPerformance")).isNull());
    EXPECT_TRUE(std::filesystem::exists(settingsPath().parent_path() / "YAMAHA_FS1R" / "performances.xml"));
}

} // namespace
