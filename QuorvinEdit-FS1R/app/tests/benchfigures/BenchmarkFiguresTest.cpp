// The editor benchmark's figures, worked out from a log of timed lines.
#include "benchmarks/editor/BenchmarkFigures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

const BenchmarkClock::time_point start{};

std::vector<TimedLine> connectionLog()
{
    return {
        {start - 50ms, "MIDI OUT: Request dump at 0"},
        {start, "Connect device"},
        {start + 1ms, "MIDI OUT: Request parameter data at 0"},
        {start + 60ms, "Communication OK"},
        {start + 61ms, "MIDI OUT: Request dump at 0"},
        {start + 62ms, "Start-up: Loading the settings file"},
        {start + 90ms, "MIDI IN: Dump start: addr=0 size=87"},
        {start + 91ms, "MIDI IN: Dump end: addr=0"},
        {start + 92ms, "MIDI OUT: Request dump at 100000"},
        {start + 250ms, "MIDI IN: Dump end: addr=100000"},
    };
}

TEST(BenchmarkFiguresTest, TheConnectionCountsFromConnectDeviceOn)
{
    const ConnectionFigures figures = connectionFigures(connectionLog(), start + 300ms, 498, start + 280ms);
    EXPECT_EQ(figures.requests, 2u);
    EXPECT_EQ(figures.dumps, 2u);
    EXPECT_EQ(figures.dumpBytes, 498u);
    EXPECT_DOUBLE_EQ(figures.wireMs, 498 * 0.32);
    EXPECT_DOUBLE_EQ(figures.lastDumpMs, 250);
    EXPECT_DOUBLE_EQ(figures.lastRepaintMs, 280);
    EXPECT_DOUBLE_EQ(figures.waitEndMs, 300);
    EXPECT_TRUE(figures.complete());
}

// The user sees the connection done when the last dump is on screen; a
// frame drawn before it shows an older state.
TEST(BenchmarkFiguresTest, WithNoFrameAfterTheLastDumpItsRepaintIsTheDumpItself)
{
    EXPECT_DOUBLE_EQ(connectionFigures(connectionLog(), start + 300ms, 498, start + 100ms).lastRepaintMs, 250);
}

TEST(BenchmarkFiguresTest, WithoutAConnectionOrAHiddenWaitThereIsNoFigure)
{
    std::vector<TimedLine> log = connectionLog();
    EXPECT_DOUBLE_EQ(connectionFigures(log, start - 1ms, 0, start).waitEndMs, -1);
    log.erase(log.begin() + 1);
    EXPECT_FALSE(connectionFigures(log, start + 300ms, 498, start + 300ms).complete());
    EXPECT_EQ(connectionTimeline(log), "");
}

TEST(BenchmarkFiguresTest, TheTimelineKeepsTheConnectionsLinesInMillisecondsSinceItsStart)
{
    const std::string timeline = connectionTimeline(connectionLog());
    EXPECT_NE(timeline.find("     61.0 ms  MIDI OUT: Request dump at 0\n"), std::string::npos);
    EXPECT_EQ(timeline.find("settings file"), std::string::npos);
    EXPECT_EQ(timeline.rfind("Connect device"), timeline.find("Connect device"));
    EXPECT_NE(timeline.find("      0.0 ms  Connect device\n"), std::string::npos);
}

TEST(BenchmarkFiguresTest, PercentilesPickTheNearestRankOfTheSortedValues)
{
    const std::vector<double> tenValues{10, 1, 9, 2, 8, 3, 7, 4, 6, 5};
    const struct {
        std::vector<double> values;
        double fraction;
        double expected;
    } cases[] = {
        {{}, 0.5, 0},
        {{42}, 0.9, 42},
        {tenValues, 0, 1},
        {tenValues, 0.5, 6},
        {tenValues, 0.9, 9},
        {tenValues, 1, 10},
    };
    for (const auto& test : cases)
        EXPECT_DOUBLE_EQ(percentile(test.values, test.fraction), test.expected)
            << test.values.size() << " values at " << test.fraction;
}

} // namespace
