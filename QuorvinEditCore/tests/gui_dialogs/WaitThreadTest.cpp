#include "gui/WaitArt.h"
#include "gui/WaitDialog.h"
#include "gui/WaitThread.h"
#include "tests/gui_dialogs/DialogEvents.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/stattext.h>
#include <wx/timer.h>

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono_literals;
using dialogtest::runEventsUntil;
using Clock = std::chrono::steady_clock;

// What a worker reports, as the GUI receives it.
struct StepRecorder : wxEvtHandler {
    StepRecorder()
    {
        Bind(EVT_WAIT_THREAD_STEP, [this](wxThreadEvent& event) { steps.push_back(event.GetInt()); });
        Bind(EVT_WAIT_THREAD_END, [this](wxThreadEvent&) { ended = true; });
    }

    std::vector<int> steps;
    bool ended = false;
};

// Looks at the editor while the GUI thread is inside the wait.
struct WaitWatcher : wxTimer {
    WaitWatcher(const wxGauge& gauge, const wxFrame& frame) : gauge(gauge), frame(frame) {}
    void Notify() override
    {
        gaugeValues.push_back(gauge.GetValue());
        frameTookInput = frameTookInput || frame.IsEnabled();
    }

    const wxGauge& gauge;
    const wxFrame& frame;
    std::vector<int> gaugeValues;
    bool frameTookInput = false;
};

TEST(WaitThreadTest, WorkerSpendsTheTimeInStepsOfAtMost200MsAndReportsEach)
{
    const std::pair<int, std::vector<int>> cases[] = {{450, {200, 400, 450}}, {0, {}}};
    for (const auto& [totalMs, expected] : cases) {
        StepRecorder recorder;
        const auto started = Clock::now();
        WaitThread thread(recorder, totalMs);
        ASSERT_EQ(thread.Run(), wxTHREAD_NO_ERROR);
        ASSERT_TRUE(runEventsUntil([&] { return recorder.ended; }));
        thread.Wait();
        EXPECT_GE(Clock::now() - started, std::chrono::milliseconds(totalMs));
        EXPECT_EQ(recorder.steps, expected);
    }
}

TEST(WaitThreadTest, GaugeMovesWhileTheGuiWaitsForTheWorkerAndTheFinishFollows)
{
    wxFrame frame(nullptr, wxID_ANY, "editor");
    frame.Show();
    WaitDialog dialog(&frame, loadBusyAnimation());
    auto* gauge = dynamic_cast<wxGauge*>(wxWindow::FindWindowByName("gauge", &dialog));
    ASSERT_NE(gauge, nullptr);
    WaitWatcher watcher(*gauge, frame);
    watcher.Start(10);
    const auto started = Clock::now();
    // The dialog asserts that it is driven on the GUI thread only.
    runWaitThread(dialog, 600, "Dump to device in progress", 1800);
    watcher.Stop();

    EXPECT_GE(Clock::now() - started, 600ms);
    EXPECT_TRUE(std::any_of(watcher.gaugeValues.begin(), watcher.gaugeValues.end(),
                            [](int value) { return value > 0 && value < 600; }))
        << "the GUI must keep dispatching while the worker counts";
    EXPECT_FALSE(watcher.frameTookInput) << "the editor must take no input during the wait";
    EXPECT_TRUE(frame.IsEnabled());
    EXPECT_EQ(gauge->GetValue(), 600);
    auto* detail = dynamic_cast<wxStaticText*>(gauge->GetPrevSibling());
    ASSERT_NE(detail, nullptr);
    EXPECT_TRUE(runEventsUntil([&] { return detail->GetLabel() == "Complete - wait for the hardware"; }));
}

} // namespace
