#include "gui/DeviceWaitWindow.h"
#include "gui/WaitDialog.h"
#include "gui/WxDeviceUserInterface.h"
#include "tests/gui_mainframe/MessageBoxes.h"
#include "tests/support/EventPump.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/stattext.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;

TEST(DeviceUserInterfaceTest, MessageIsABoxCaptionedAsTheDeviceAsks)
{
    WxDeviceUserInterface userInterface;
    wxTEST_DIALOG(userInterface.showMessage(RefString(u"YAMAHA_FS1R"), RefString(u"The MIDI communication is not working.")),
        ExpectMessageBox("YAMAHA_FS1R", "The MIDI communication is not working."));
}

TEST(DeviceUserInterfaceTest, WaitDialogShowsTheDevicesWaitsOverItsWindowAndGoesWithTheDevice)
{
    wxGUIEventLoop loop;
    const wxEventLoopActivator active(&loop);
    wxFrame frame(nullptr, wxID_ANY, "editor");
    WxDeviceUserInterface userInterface;
    std::unique_ptr<DeviceWaitDialog> wait = userInterface.createWaitDialog(&frame);
    const wxWeakRef<WaitDialog> dialog = dynamic_cast<DeviceWaitWindow&>(*wait).dialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->GetParent(), &frame);
    const auto* message = dynamic_cast<wxStaticText*>(dialog->GetChildren()[1]);
    const auto* gauge = dynamic_cast<wxGauge*>(dialog->GetChildren()[3]);

    wait->start(RefString(u"Receiving SYSEX data from address 100000\nTotal size: 608 bytes"), 608);
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(message->GetLabel(), "Receiving SYSEX data from address 100000\nTotal size: 608 bytes");
    wait->setProgress(300);
    EXPECT_EQ(gauge->GetValue(), 300);
    wait->finish(0);
    EXPECT_TRUE(pumpEventsUntil([&] { return !dialog->IsShown(); }));

    const auto before = std::chrono::steady_clock::now();
    wait->runTimedWait(RefString(u"Sending the formant sequence"), 300, 0);
    EXPECT_GE(std::chrono::steady_clock::now() - before, 300ms) << "returns once the time has passed";
    EXPECT_EQ(message->GetLabel(), "Sending the formant sequence");
    EXPECT_EQ(gauge->GetValue(), gauge->GetRange());

    wait.reset();
    EXPECT_TRUE(pumpEventsUntil([&] {
        wxTheApp->ProcessIdle();
        return !dialog;
    })) << "the device's dialog goes with the device, before its parent window";
}

} // namespace
