#include "fseq/FseqDrawTool.h"
#include "fseq/FseqLineTool.h"
#include "fseq/FseqTrackFanOut.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

// Records what the tools hand to the tracks: points as {x, y} and strokes as
// {x0, y0, x1, y1}.
class RecordingTracks : public FseqTrackFanOut {
public:
    void setPoint(int x, int y) override { points.push_back({x, y}); }
    void setSegment(int x0, int y0, int x1, int y1) override { segments.push_back({x0, y0, x1, y1}); }

    std::vector<std::array<int, 2>> points;
    std::vector<std::array<int, 4>> segments;
};

} // namespace

TEST(FseqDrawTool, PressSetsAPointAndEachMotionTheStrokeSinceTheLast)
{
    RecordingTracks tracks;
    FseqDrawTool tool;
    tool.setTracks(&tracks);
    EXPECT_TRUE(tool.press({10, 20}).IsEmpty());
    tool.drag({30, 25});
    tool.drag({31, 40});
    EXPECT_TRUE(tool.release({31, 40}).IsEmpty());
    EXPECT_EQ(tracks.points, (std::vector<std::array<int, 2>>{{10, 20}}));
    EXPECT_EQ(tracks.segments, (std::vector<std::array<int, 4>>{{10, 20, 30, 25}, {30, 25, 31, 40}}));
}

TEST(FseqLineTool, SetsTheLineOnlyOnRelease)
{
    RecordingTracks tracks;
    FseqLineTool tool;
    tool.setTracks(&tracks);
    tool.press({50, 60});
    EXPECT_TRUE(tool.isActive());
    tool.drag({10, 70});
    EXPECT_TRUE(tracks.segments.empty());
    EXPECT_EQ(tool.release({5, 90}), wxRect(5, 60, 47, 32));
    EXPECT_FALSE(tool.isActive());
    // A press and release at one point set the frame under it.
    tool.press({8, 9});
    EXPECT_EQ(tool.release({8, 9}), wxRect(8, 9, 2, 2));
    EXPECT_EQ(tracks.segments, (std::vector<std::array<int, 4>>{{50, 60, 5, 90}, {8, 9, 8, 9}}));
}

TEST(FseqLineTool, DragRepaintsWhereTheBandWasAndWhereItIs)
{
    FseqLineTool tool;
    tool.press({100, 100});
    EXPECT_EQ(tool.drag({120, 90}), wxRect(100, 90, 22, 12).Union(wxRect(100, 100, 2, 2)));
    // Shrinking back must still clear the larger band drawn before.
    EXPECT_EQ(tool.drag({101, 101}), wxRect(100, 90, 22, 12).Union(wxRect(100, 100, 3, 3)));
}

TEST(FseqLineTool, CancelDropsTheLineWithoutSettingIt)
{
    RecordingTracks tracks;
    FseqLineTool tool;
    tool.setTracks(&tracks);
    tool.press({0, 0});
    tool.drag({40, 30});
    EXPECT_EQ(tool.cancel(), wxRect(0, 0, 42, 32));
    EXPECT_FALSE(tool.isActive());
    EXPECT_TRUE(tracks.segments.empty());
}
