#include "fseq/FseqTrackGeometry.h"

#include <gtest/gtest.h>

namespace {

constexpr int cells = 1;

// 512 frames of 0..16383 on a 1024 x 256 area, whole range shown.
FseqTrackGeometry frames512(bool level = false, int mode = cells, bool wholePixels = false)
{
    FseqTrackGeometry geometry(wholePixels, mode, level);
    geometry.setValueRange(0, 16383);
    geometry.setFrameCount(512);
    geometry.setArea(1024, 256);
    return geometry;
}

std::vector<int> framesOf(const std::vector<FseqFrameEdit>& edits)
{
    std::vector<int> frames;
    for (const FseqFrameEdit& edit : edits)
        frames.push_back(edit.frame);
    return frames;
}

} // namespace

TEST(FseqTrackGeometry, CellsOfTwoPixelsRoundHalfAwayFromZero)
{
    const FseqTrackGeometry geometry = frames512();
    EXPECT_EQ(geometry.step(), Rational(1024, 512));
    EXPECT_EQ(geometry.frameFromPixel(5), 3);
    EXPECT_EQ(geometry.frameFromPixel(4), 2);
    EXPECT_EQ(geometry.pixelFromFrame(3), 6);
}

TEST(FseqTrackGeometry, WholePixelStepNeverFallsToZero)
{
    FseqTrackGeometry geometry(true, cells, false);
    geometry.setFrameCount(512);
    geometry.setArea(1000, 10);
    EXPECT_EQ(geometry.step(), Rational(1));
    geometry.setArea(300, 10);
    EXPECT_EQ(geometry.step(), Rational(1));
    EXPECT_EQ(geometry.frameFromPixel(299), 299);
    geometry.setArea(0, 10);
    EXPECT_EQ(geometry.step(), Rational(1));
}

TEST(FseqTrackGeometry, PointLeftOfTheAreaSetsFrameZeroAndPastTheEndSetsNothing)
{
    FseqTrackGeometry geometry = frames512();
    ASSERT_TRUE(geometry.pointEdit(-40, 0).has_value());
    EXPECT_EQ(geometry.pointEdit(-40, 0)->frame, 0);
    EXPECT_FALSE(geometry.pointEdit(1024, 0).has_value());
    EXPECT_FALSE(geometry.pointEdit(5000, 0).has_value());
    // Fewer frames shown: the area right of them sets nothing.
    geometry.setFrameCount(128);
    geometry.setArea(1024, 256);
    EXPECT_FALSE(geometry.pointEdit(1023, 0).has_value());
    // The last pixel rounds up to a frame that is not there.
    geometry.setFrameCount(512);
    EXPECT_FALSE(geometry.pointEdit(1023, 0).has_value());
    EXPECT_EQ(geometry.pointEdit(1022, 0)->frame, 511);
}

TEST(FseqTrackGeometry, FrequenciesRiseFromTheBottomAndLevelsFromTheTop)
{
    const FseqTrackGeometry frequency = frames512(false);
    const FseqTrackGeometry level = frames512(true);
    EXPECT_EQ(frequency.valueFromPixel(Rational(256)), 0);
    EXPECT_EQ(frequency.valueFromPixel(Rational(0)), 16383);
    EXPECT_EQ(level.valueFromPixel(Rational(0)), 0);
    EXPECT_EQ(level.valueFromPixel(Rational(256)), 16383);
    EXPECT_EQ(frequency.pixelFromValue(16383), 0);
    EXPECT_EQ(level.pixelFromValue(16383), 255);
    EXPECT_EQ(frequency.pixelFromValue(0), 255);
    // Beyond the area the values stay in range.
    EXPECT_EQ(frequency.valueFromPixel(Rational(-50)), 16383);
    EXPECT_EQ(frequency.valueFromPixel(Rational(900)), 0);
}

TEST(FseqTrackGeometry, ZoomShowsPartOfTheRangeAndRefusesEqualBounds)
{
    FseqTrackGeometry geometry = frames512();
    ASSERT_TRUE(geometry.setVisibleRange(Rational(512, 1023), Rational(1023, 1023)));
    // The bottom edge is now the middle of the range.
    EXPECT_EQ(geometry.valueFromPixel(Rational(256)), 8200);
    EXPECT_EQ(geometry.valueFromPixel(Rational(0)), 16383);
    EXPECT_EQ(geometry.pixelFromValue(8200), 255);
    EXPECT_FALSE(geometry.setVisibleRange(Rational(600, 1023), Rational(600, 1023)));
    EXPECT_FALSE(geometry.setVisibleRange(Rational(700, 1023), Rational(600, 1023)));
    EXPECT_EQ(geometry.valueFromPixel(Rational(256)), 8200);
}

TEST(FseqTrackGeometry, OneValueRangeAndEmptyAreaDivideByNothing)
{
    FseqTrackGeometry geometry(false, cells, false);
    geometry.setValueRange(7, 7);
    geometry.setFrameCount(4);
    EXPECT_EQ(geometry.valueFromPixel(Rational(3)), 7);
    EXPECT_EQ(geometry.pixelFromValue(7), 0);
    geometry.setArea(40, 20);
    EXPECT_EQ(geometry.pixelFromValue(7), 19);
}

TEST(FseqTrackGeometry, LineDrawnRightToLeftSetsWhatLeftToRightSets)
{
    const FseqTrackGeometry geometry = frames512();
    const auto forward = geometry.segmentEdits(12, 200, 62, 20);
    const auto backward = geometry.segmentEdits(62, 20, 12, 200);
    ASSERT_EQ(forward.size(), 26u);
    EXPECT_EQ(forward, backward);
    EXPECT_EQ(forward.front().frame, 6);
    EXPECT_EQ(forward.back().frame, 31);
    EXPECT_EQ(forward.front().value, geometry.valueFromPixel(Rational(200)));
    EXPECT_EQ(forward.back().value, geometry.valueFromPixel(Rational(20)));
}

TEST(FseqTrackGeometry, StrokeOutsideTheAreaSetsOnlyTheFramesInside)
{
    const FseqTrackGeometry geometry = frames512();
    EXPECT_TRUE(geometry.segmentEdits(-100, 10, -5, 30).empty());
    EXPECT_TRUE(geometry.segmentEdits(1100, 10, 1300, 30).empty());
    EXPECT_TRUE(geometry.segmentEdits(10, -10, 300, -1).empty());
    EXPECT_EQ(framesOf(geometry.segmentEdits(-100, 50, 4, 50)), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(framesOf(geometry.segmentEdits(1018, 50, 1500, 50)), (std::vector<int>{509, 510, 511}));
    // Within one frame: that frame once, at the stroke's newest end.
    EXPECT_EQ(geometry.segmentEdits(10, 0, 10, 256), (std::vector<FseqFrameEdit>{{5, 0}}));
    // Past the top edge the stroke is cut, not held at the extreme value.
    const auto cut = geometry.segmentEdits(100, 100, 400, -200);
    ASSERT_FALSE(cut.empty());
    EXPECT_EQ(cut.front().frame, 50);
    EXPECT_EQ(cut.back().frame, 100);
    EXPECT_EQ(cut.back().value, geometry.valueFromPixel(Rational(0)));
}
