#include "gui/WaitArt.h"
#include "gui/WaitDialog.h"
#include "tests/gui_dialogs/DialogEvents.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/generic/animate.h>
#include <wx/stattext.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using dialogtest::runEventsUntil;
using Clock = std::chrono::steady_clock;

// The dialog's windows as the user sees them: picture, message, detail line
// and gauge, in that order.
struct DialogParts {
    explicit DialogParts(wxDialog& dialog)
    {
        const wxWindowList& children = dialog.GetChildren();
        picture = children[0];
        message = dynamic_cast<wxStaticText*>(children[1]);
        detail = dynamic_cast<wxStaticText*>(children[2]);
        gauge = dynamic_cast<wxGauge*>(children[3]);
    }

    wxWindow* picture;
    wxStaticText* message;
    wxStaticText* detail;
    wxGauge* gauge;
};

TEST(WaitDialogTest, SplashShowsEachStartUpTextOverItsPictureAndClosesWhenFinished)
{
    const auto bitmap = newSplashBitmap();
    ASSERT_TRUE(bitmap->IsOk());
    // No colour given: the dialog takes the picture's bottom-right pixel,
    // which the splash picture keeps at the splash colour.
    WaitDialog splash(*bitmap);
    const DialogParts parts(splash);
    EXPECT_EQ(splash.GetBackgroundColour(), splashBackgroundColour());
    EXPECT_EQ(parts.picture->GetRect(), wxRect(wxPoint(12, 12), bitmap->GetSize()));
    EXPECT_EQ(parts.message->GetLabel(), "Please wait");
    EXPECT_FALSE(splash.IsShown());

    for (const wxString text : {"Starting up...", "Loading the settings file", "Loading module YAMAHA_FS1R"}) {
        splash.start(text, WaitDialog::noTotal);
        runEventsUntil([] { return false; }, 30ms);
        EXPECT_TRUE(splash.IsShown());
        EXPECT_EQ(parts.message->GetLabel(), text);
    }
    splash.finish(0);
    EXPECT_EQ(parts.gauge->GetRange(), 100) << "a pulsing gauge is filled over a range of 100";
    EXPECT_EQ(parts.gauge->GetValue(), 100);
    EXPECT_TRUE(runEventsUntil([&] { return !splash.IsShown(); }));
}

TEST(WaitDialogTest, BusyFormBlendsWithItsAnimationAndPlaysItOnlyWhileShown)
{
    wxFrame frame(nullptr, wxID_ANY, "editor");
    const wxAnimation animation = loadBusyAnimation();
    ASSERT_GT(animation.GetFrameCount(), 1u);
    const wxImage first = animation.GetFrame(0);
    const int right = first.GetWidth() - 1;
    const int bottom = first.GetHeight() - 1;
    WaitDialog dialog(&frame, animation);
    EXPECT_EQ(dialog.GetBackgroundColour(),
              wxColour(first.GetRed(right, bottom), first.GetGreen(right, bottom), first.GetBlue(right, bottom)));
    auto* control = dynamic_cast<wxGenericAnimationCtrl*>(DialogParts(dialog).picture);
    ASSERT_NE(control, nullptr);

    EXPECT_FALSE(runEventsUntil([&] { return control->IsPlaying(); }, 100ms)) << "hidden, it must not play";
    EXPECT_FALSE(dialog.isTicking()) << "an idle dialog does not wake the program";
    dialog.start("Waiting for SYSEX data from address 600000", WaitDialog::noTotal);
    EXPECT_TRUE(dialog.isTicking());
    EXPECT_TRUE(runEventsUntil([&] { return control->IsPlaying(); }));
    dialog.finish(0);
    EXPECT_TRUE(runEventsUntil([&] { return !dialog.IsShown(); }));
    EXPECT_FALSE(control->IsPlaying());
    EXPECT_FALSE(dialog.isTicking()) << "the tick stops with the wait";
}

TEST(WaitDialogTest, AFinishWithoutAStartStillCountsDownThenRests)
{
    wxFrame frame(nullptr, wxID_ANY, "editor");
    WaitDialog dialog(&frame, loadBusyAnimation());
    dialog.finish(100);
    EXPECT_TRUE(dialog.isTicking());
    EXPECT_TRUE(runEventsUntil([&] { return !dialog.isTicking(); }));
    EXPECT_FALSE(dialog.IsShown());
}

TEST(WaitDialogTest, GaugeFollowsTheDumpThenTheDialogWaitsForTheHardwareAndCloses)
{
    wxFrame frame(nullptr, wxID_ANY, "editor");
    WaitDialog dialog(&frame, loadBusyAnimation());
    const DialogParts parts(dialog);
    dialog.start("Receiving SYSEX data from address 600000\nTotal size: 25632 bytes", 25632);
    EXPECT_TRUE(wxRect(dialog.GetClientSize()).Contains(parts.gauge->GetRect()))
        << "a two-line message must not push the gauge out";
    EXPECT_EQ(parts.gauge->GetRange(), 25632);
    dialog.setProgress(10000);
    EXPECT_EQ(parts.gauge->GetValue(), 10000);
    dialog.setProgress(30000);
    EXPECT_EQ(parts.gauge->GetValue(), 25632) << "a value beyond the range is held at the range";

    const auto finished = Clock::now();
    dialog.finish(600);
    EXPECT_EQ(parts.detail->GetLabel(), "");
    ASSERT_TRUE(runEventsUntil([&] { return parts.detail->GetLabel() == "Complete - wait for the hardware"; }));
    EXPECT_GE(Clock::now() - finished, 500ms) << "the full gauge shows for half a second first";
    EXPECT_TRUE(dialog.IsShown());
    ASSERT_TRUE(runEventsUntil([&] { return !dialog.IsShown(); }));
    EXPECT_GE(Clock::now() - finished, 600ms);
}

TEST(WaitDialogTest, AWaitStartedWhileAnEarlierOneFinishesIsNotClosedByItsCountdown)
{
    wxFrame frame(nullptr, wxID_ANY, "editor");
    WaitDialog dialog(&frame, loadBusyAnimation());
    const DialogParts parts(dialog);
    dialog.start("Receiving SYSEX data from address 100000\nTotal size: 400 bytes", 400);
    dialog.finish(100);
    // The next queued dump is requested at once.
    dialog.start("Waiting for SYSEX data from address 200000", WaitDialog::noTotal);
    EXPECT_FALSE(runEventsUntil([&] { return !dialog.IsShown() || !parts.detail->GetLabel().empty(); }, 700ms));
}

} // namespace
