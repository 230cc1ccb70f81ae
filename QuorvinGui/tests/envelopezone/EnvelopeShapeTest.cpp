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
    // Hold time, attack time, attack level, decay time, sustain level, release time, end level.
    const RoleId order[] = {262, 263, 257, 264, 260, 267, 261};
    LocalParameter p[7]{{0, 99}, {0, 99}, {0, 99}, {0, 99}, {0, 99}, {0, 99}, {0, 99}};
    EnvelopeShape shape;
    for (int index = 0; index < 7; ++index)
        shape.bindRole(order[index], &p[index]);

    const auto& s = shape.segments();
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(shape.count(), 5);
    EXPECT_TRUE(s[0].timeParameter == &p[0] && s[0].holdsLevel());
    EXPECT_TRUE(s[1].timeParameter == &p[1] && s[1].levelParameter == &p[2]);
    EXPECT_TRUE(s[2].timeParameter == &p[3] && s[2].levelParameter == &p[4]);
    EXPECT_TRUE(s[3].isSustainColumn() && s[3].levelParameter == &p[4]) << "the sustain column keeps the level";
    EXPECT_EQ(s[3].levelRole, EnvelopeShape::sustainLevel);
    EXPECT_TRUE(s[4].timeParameter == &p[5] && s[4].levelParameter == &p[6]);
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
    EXPECT_EQ(line.points[1].x, 32);
    EXPECT_EQ(line.points[2].x, 32) << "a time at its minimum adds no width";
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
    LocalParameter start(0, 99), attack(0, 99);
    EnvelopeShape shape;
    shape.bindRole(EnvelopeShape::startLevel, &start);
    shape.bindRole(EnvelopeShape::attackTime, &attack);
    shape.bindRole(EnvelopeShape::attackLevel, nullptr);
    EXPECT_EQ(shape.levelRoleOf(1), EnvelopeShape::startLevel);
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
