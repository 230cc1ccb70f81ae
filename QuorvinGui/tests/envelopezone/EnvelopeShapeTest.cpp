#include "controls/EnvelopeShape.h"

#include "localparams/LocalParameter.h"

#include <gtest/gtest.h>

namespace {

using Segment = EnvelopeSegment;

// Three columns of 30 pixels and a drawing height of 100 inside a margin of 2.
const EnvelopeShape::Frame threeColumns{.width = 94, .height = 105, .margin = 2, .originX = 2};
constexpr int bottomY = 102;

} // namespace

TEST(EnvelopeShape, HoldAttackDecaySustainReleaseBecomeFiveSegmentsWithAFreeSustainColumn)
{
    LocalParameter hold(0, 99, 0), attackTime(0, 99, 0), attackLevel(0, 99, 0), decayTime(0, 99, 0),
        sustain(0, 99, 0), release(0, 99, 0), end(0, 99, 0);
    EnvelopeShape shape;
    shape.bindRole(EnvelopeShape::holdTime, &hold);
    shape.bindRole(EnvelopeShape::attackTime, &attackTime);
    shape.bindRole(EnvelopeShape::attackLevel, &attackLevel);
    shape.bindRole(EnvelopeShape::decayTime, &decayTime);
    shape.bindRole(EnvelopeShape::sustainLevel, &sustain);
    shape.bindRole(EnvelopeShape::releaseTime, &release);
    shape.bindRole(EnvelopeShape::endLevel, &end);

    const auto& s = shape.segments();
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(shape.count(), 5);
    EXPECT_EQ(s[0].timeParameter, &hold);
    EXPECT_TRUE(s[0].holdsLevel());
    EXPECT_EQ(s[1].timeParameter, &attackTime);
    EXPECT_EQ(s[1].levelParameter, &attackLevel);
    EXPECT_EQ(s[2].timeParameter, &decayTime);
    EXPECT_EQ(s[2].levelParameter, &sustain);
    EXPECT_TRUE(s[3].isSustainColumn());
    EXPECT_EQ(s[3].levelParameter, &sustain) << "the sustain column keeps the sustain level";
    EXPECT_EQ(s[3].levelRole, EnvelopeShape::sustainLevel);
    EXPECT_EQ(s[4].timeParameter, &release);
    EXPECT_EQ(s[4].levelParameter, &end);
}

TEST(EnvelopeShape, UnboundLevelSitsInTheMiddleAndAnUnsetTimeFillsItsColumn)
{
    EnvelopeShape shape;
    shape.bindRole(EnvelopeShape::attackLevel, nullptr);
    shape.bindRole(EnvelopeShape::endLevel, nullptr);
    shape.bindRole(EnvelopeShape::decayTime, nullptr);
    ASSERT_EQ(shape.count(), 2);
    EXPECT_EQ(shape.segments()[0].timeValue, Segment::full) << "completed when the next point began";
    const auto line = shape.place(threeColumns, {});
    // Two columns of 45 pixels.
    EXPECT_EQ(line.points[0], wxPoint(2 + 45, 2 + 50));
    EXPECT_EQ(line.points[1], wxPoint(2 + 90, 2 + 50));
}

TEST(EnvelopeShape, StartSegmentTakesNoColumnSoAFullTimeSpansAThird)
{
    LocalParameter start(0, 99, 99), times[3]{{0, 99, 99}, {0, 99, 0}, {0, 99, 99}};
    EnvelopeShape shape;
    shape.bindRole(EnvelopeShape::startLevel, &start);
    shape.bindRole(EnvelopeShape::attackTime, &times[0]);
    shape.bindRole(EnvelopeShape::decayTime, &times[1]);
    shape.bindRole(EnvelopeShape::releaseTime, &times[2]);
    ASSERT_TRUE(shape.hasStart());
    EXPECT_EQ(shape.count(), 3);
    EXPECT_EQ(shape.columnWidth(threeColumns.width, threeColumns.margin), 30);

    const auto line = shape.place(threeColumns, {});
    EXPECT_EQ(line.points[0], wxPoint(2, 2)) << "the start level at its top, at the margin";
    EXPECT_EQ(line.origin, line.points[0]);
    EXPECT_EQ(line.points[1].x, 32);
    EXPECT_EQ(line.points[2].x, 32) << "a time at its minimum adds no width";
    EXPECT_EQ(line.points[3].x, 62);
}

TEST(EnvelopeShape, SustainColumnStretchesSoTheReleaseKeepsTheLastColumn)
{
    LocalParameter attack(0, 99, 0), sustain(0, 99, 99), release(0, 99, 0);
    EnvelopeShape shape;
    shape.bindRole(EnvelopeShape::attackTime, &attack);
    shape.bindRole(EnvelopeShape::sustainLevel, &sustain);
    shape.bindRole(EnvelopeShape::releaseTime, &release);
    ASSERT_EQ(shape.count(), 3);
    const auto line = shape.place(threeColumns, {});
    EXPECT_EQ(line.points[1], wxPoint(94 - 2 - 30 - 1, 2));
    EXPECT_EQ(line.points[2].x, line.points[1].x) << "a release time of 0 ends where the sustain ends";
}

TEST(EnvelopeShape, ReferencePlacesLevelsAndOptionallyTimesAtTheirDisplayedZero)
{
    LocalParameter time(-50, 50, 50), level(-50, 50, 50);
    EnvelopeShape shape;
    shape.bindRole(EnvelopeShape::attackTime, &time);
    shape.bindRole(EnvelopeShape::attackLevel, &level);
    const EnvelopeShape::Frame oneColumn{.width = 104, .height = 105, .margin = 2, .originX = 2};
    EXPECT_EQ(shape.place(oneColumn, {}).points[0], wxPoint(102, 2));
    EXPECT_EQ(shape.place(oneColumn, {.levelsAtZero = true}).points[0], wxPoint(102, 52));
    EXPECT_EQ(shape.place(oneColumn, {.timesAtZero = true, .levelsAtZero = true}).points[0], wxPoint(52, 52));
}

TEST(EnvelopeShape, OneValueRangesAndEmptyShapesDivideByNothing)
{
    LocalParameter fixed(7, 7, 7);
    EnvelopeShape shape;
    EXPECT_EQ(shape.columnWidth(94, 2), 0);
    shape.bindRole(EnvelopeShape::startLevel, &fixed);
    EXPECT_EQ(shape.columnWidth(94, 2), 0) << "a start level alone has no column";
    shape.bindRole(EnvelopeShape::attackTime, &fixed);
    shape.bindRole(EnvelopeShape::attackLevel, &fixed);
    const auto line = shape.place(threeColumns, {});
    EXPECT_EQ(line.points[1], wxPoint(2, bottomY));
}

TEST(EnvelopeShape, FixedLevelAfterTheStartIsDraggedThroughTheStartLevel)
{
    LocalParameter start(0, 99, 0), attack(0, 99, 99);
    EnvelopeShape shape;
    shape.bindRole(EnvelopeShape::startLevel, &start);
    shape.bindRole(EnvelopeShape::attackTime, &attack);
    shape.bindRole(EnvelopeShape::attackLevel, nullptr);
    EXPECT_EQ(shape.levelRoleOf(1), EnvelopeShape::startLevel);
    EXPECT_EQ(shape.levelRoleOf(0), EnvelopeShape::startLevel);
}

TEST(EnvelopeShape, HandleOfAPointWinsOverALevelBandAndTheEarlierSegmentWinsATie)
{
    EnvelopeShape shape;
    EnvelopeShape::Polyline line;
    line.origin = wxPoint(0, 100);
    // A vertical rise at x = 10 up to 20, then a point at (12, 50) whose
    // handle overlaps the rise's band.
    line.points = {wxPoint(10, 20), wxPoint(12, 50), wxPoint(10, 60)};
    shape.bindRole(EnvelopeShape::attackLevel, nullptr);
    shape.bindRole(EnvelopeShape::decayTime, nullptr);
    shape.bindRole(EnvelopeShape::endLevel, nullptr);
    shape.bindRole(EnvelopeShape::releaseTime, nullptr);
    EXPECT_EQ(shape.segmentAt(line, 2, 11, 50), 1u) << "the handle comes before the band of segment 0";
    EXPECT_EQ(shape.segmentAt(line, 2, 9, 80), 0u) << "inside two bands the earlier segment wins";
    EXPECT_EQ(shape.segmentAt(line, 2, 30, 80), std::nullopt);
}
