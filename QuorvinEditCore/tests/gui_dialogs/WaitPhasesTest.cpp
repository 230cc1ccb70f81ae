#include "gui/WaitPhases.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Timeline {
    int hardwareNoticeMs = -1;
    int hideMs = -1;
};

// Ticks until the phases go idle, noting when each step came.
Timeline runOut(WaitPhases& phases)
{
    Timeline timeline;
    for (int ms = WaitPhases::tickMs; !phases.idle(); ms += WaitPhases::tickMs) {
        const WaitPhases::Step step = phases.tick();
        if (step.hardwareWaitBegins)
            timeline.hardwareNoticeMs = ms;
        if (step.hide)
            timeline.hideMs = ms;
    }
    return timeline;
}

TEST(WaitPhasesTest, FinishHidesAfterTheFullGaugeAndTheHardwareWait)
{
    for (int ms = 0; ms <= 2000; ++ms) {
        WaitPhases phases;
        phases.finish(ms);
        const Timeline timeline = runOut(phases);
        const int expectedHide = ms <= 500 ? 20 * (ms / 20 + 1) : 520 + 20 * ((ms - 500) / 20);
        EXPECT_EQ(timeline.hideMs, expectedHide) << "finish(" << ms << ")";
        EXPECT_EQ(timeline.hardwareNoticeMs, std::min(expectedHide, 520)) << "finish(" << ms << ")";
    }
}

TEST(WaitPhasesTest, ANegativeFinishTimeEndsLikeNoTimeInsteadOfNever)
{
    WaitPhases phases;
    phases.finish(-1);
    const WaitPhases::Step step = phases.tick();
    EXPECT_TRUE(step.hardwareWaitBegins && step.hide);
    EXPECT_TRUE(phases.idle());
}

} // namespace
