// The benchmarks' clock for frames on the screen, on a real frame under the
// X display: it tells of each frame in which a window painted, after the
// paint, and of no frame without one.
#include "benchmarks/editor/ScreenFrames.h"
#include "tests/support/EventPump.h"

#include <gtest/gtest.h>
#include <wx/dcclient.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace std::chrono_literals;

class ScreenFramesTest : public testing::Test {
protected:
    ScreenFramesTest()
    {
        frame->SetClientSize(200, 100);
        panel->SetBackgroundStyle(wxBG_STYLE_PAINT);
        panel->Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(panel);
            dc.Clear();
            ++paints;
            lastPaint = BenchmarkClock::now();
            if (notePaints)
                frames->notePaint();
        });
        frame->Show();
        frames = std::make_unique<ScreenFrames>(*frame, [this](BenchmarkClock::time_point at) { told.push_back(at); });
    }
    ~ScreenFramesTest() override
    {
        frames.reset();
        frame->Destroy();
    }

    wxGUIEventLoop loop;
    wxEventLoopActivator activeLoop{&loop};
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "frames");
    wxPanel* panel = new wxPanel(frame);
    std::unique_ptr<ScreenFrames> frames;
    bool notePaints = true;
    int paints = 0;
    BenchmarkClock::time_point lastPaint;
    std::vector<BenchmarkClock::time_point> told;
};

TEST_F(ScreenFramesTest, EachFrameWithAPaintIsToldAfterThePaint)
{
    ASSERT_TRUE(frames->following());
    ASSERT_TRUE(pumpEventsUntil([&] { return !told.empty(); }));
    EXPECT_GE(told.back(), lastPaint);
    // A new window may be painted more than once as it settles.
    pumpEventsFor(100ms);

    told.clear();
    panel->Refresh();
    ASSERT_TRUE(pumpEventsUntil([&] { return !told.empty(); }));
    pumpEventsFor(100ms);
    EXPECT_EQ(told.size(), 1u) << "one repaint, one frame";
    EXPECT_GE(told.back(), lastPaint);
}

TEST_F(ScreenFramesTest, FramesWithNoPaintNotedAreNotTold)
{
    notePaints = false;
    ASSERT_TRUE(pumpEventsUntil([&] { return paints > 0; }));
    panel->Refresh();
    ASSERT_TRUE(pumpEventsUntil([&] { return paints > 1; }));
    pumpEventsFor(100ms);
    EXPECT_TRUE(told.empty());
}

} // namespace
