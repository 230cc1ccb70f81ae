#include "device/Device.h"
#include "gui/WaitDialog.h"
#include "instrument/Fs1rDevice.h"
#include "panels/PanelManager.h"
#include "app/tests/gui_app/ProgramFixture.h"
#include "tests/support/EventPump.h"
#include "xml/XmlFile.h"

#include <gmock/gmock.h>
#include <wx/menu.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;

constexpr char deviceFound[] = "The device was found - MIDI connection is done";

bool anyWaitDialogShown()
{
    for (const wxWindow* window : wxTopLevelWindows)
        if (dynamic_cast<const WaitDialog*>(window) && window->IsShown())
            return true;
    return false;
}

using ProgramTest = ProgramFixture;

TEST_F(ProgramTest, MainWindowFindsTheSimulatedFs1rAndKeepsItsPortsWhenClosed)
{
    ASSERT_TRUE(startUp());
    auto* device = dynamic_cast<Fs1rDevice*>(frame_->device());
    ASSERT_NE(device, nullptr);
    EXPECT_NE(dynamic_cast<PanelManager*>(device->mainPanel()), nullptr);
    EXPECT_EQ(device->mainPanel()->GetParent(), frame_.get()) << "the main window destroys the pages";
    EXPECT_EQ(device->getTypeId().toUtf8(), "YAMAHA_FS1R");
    ASSERT_EQ(frame_->GetMenuBar()->GetMenu(2)->GetMenuItemCount(), 7u);
    EXPECT_EQ(frame_->GetMenuBar()->GetMenu(2)->FindItemByPosition(6)->GetItemLabel(), "Formant sequence\tF7");

    // No port was saved: the finder searches and finds the simulator.
    ASSERT_TRUE(pumpEventsUntil([this] { return boxes_.boxes.size() == 2; }));
    EXPECT_EQ(boxes_.boxes[0].caption, "First time using QuorvinEdit-FS1R");
    EXPECT_EQ(boxes_.boxes[1].caption, "YAMAHA_FS1R");
    EXPECT_EQ(boxes_.boxes[1].text, deviceFound);
    EXPECT_TRUE(pumpEventsUntil([] { return !anyWaitDialogShown(); }));
    EXPECT_EQ(device->currentPanel(), Fs1rPanels::performancePage);
    EXPECT_EQ(frame_->GetTitle(), "QuorvinEdit-FS1R: FS1R: Performance");

    ASSERT_TRUE(exitProgram());
    const auto saved = readXmlFile(RefString::fromUtf8((cachePath() / "settings.xml").string()));
    ASSERT_NE(saved, nullptr);
    const XmlElement midi = saved->child(RefString(u"YAMAHA_FS1R/midi_config"));
    ASSERT_FALSE(midi.isNull());
    EXPECT_THAT(xmlText(*saved), testing::HasSubstr("FS1R simulator"))
        << "the ports the finder found are kept for the next start";
    EXPECT_FALSE(saved->child(RefString(u"YAMAHA_FS1R/CurrentPerformance")).isNull());
    EXPECT_TRUE(std::filesystem::exists(cachePath() / "YAMAHA_FS1R" / "performances.xml"))
        << "the patch cache indexes are written when the device goes";
    EXPECT_EQ(boxes_.boxes.size(), 2u) << "nothing went wrong on the way out";
}

TEST_F(ProgramTest, SavedPortsAreProbedAtTheNextStartWithoutASearch)
{
    ASSERT_TRUE(startUp());
    ASSERT_TRUE(pumpEventsUntil([this] { return boxes_.boxes.size() == 2; }));
    ASSERT_TRUE(exitProgram());
    boxes_.boxes.clear();

    ASSERT_TRUE(startUp());
    EXPECT_TRUE(pumpEventsUntil([this] {
        return frame_->device() && frame_->device()->currentPanel() == Fs1rPanels::performancePage;
    }));
    EXPECT_TRUE(pumpEventsUntil([] { return !anyWaitDialogShown(); }));
    EXPECT_TRUE(boxes_.boxes.empty()) << "no first-run notice and no search this time";
}

} // namespace
