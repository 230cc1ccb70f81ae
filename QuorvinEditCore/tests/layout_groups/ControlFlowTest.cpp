#include "layout/ControlFlow.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

void PrintTo(const LayoutRect& rect, std::ostream* out)
{
    *out << "(" << rect.x << ", " << rect.y << ", " << rect.width << " x " << rect.height << ")";
}

void PrintTo(const LayoutPoint& point, std::ostream* out) { *out << "(" << point.x << ", " << point.y << ")"; }

namespace {

std::u16string text(const RefString& name) { return std::u16string(name.view()); }

// Adds a control the way a group does and returns where it went.
LayoutRect addControl(ControlFlow& flow, int length = 0)
{
    length = flow.resolveLength(length);
    const LayoutRect placed(flow.cursorPoint(0), flow.elementSize(length, ControlFlow::rowDepth));
    flow.advance(length);
    return placed;
}

TEST(ControlFlowTest, RowsAndColumnsKeepTheirCaptionBandsAndSpacings)
{
    ControlFlow row(FlowOrientation::horizontal);
    EXPECT_EQ(addControl(row), LayoutRect(0, 20, 128, 20));
    // (40 + 128) / 2: the right-aligned text spans 44..84, centred over 0..128.
    EXPECT_EQ(row.captionBoxWidth(40, 128), 84);
    EXPECT_EQ(row.captionBoxWidth(-201, 128), -36) << "rounds toward zero, not down";
    EXPECT_EQ(addControl(row).x, 131);
    row.nextRow(ControlFlow::noExtra);
    EXPECT_EQ(row.cursor().across, 43);
    addControl(row);
    row.nextRow(ControlFlow::noExtra);
    EXPECT_EQ(row.cursor().across, 86) << "the label band counts for every row of its own";
    EXPECT_EQ(row.cursor().alongExtent, 262);

    ControlFlow column(FlowOrientation::vertical);
    EXPECT_EQ(column.rowPoint().x + column.captionBoxWidth(40, 20), 125) << "ends the label gap before";
    EXPECT_EQ(addControl(column), LayoutRect(128, 0, 128, 20));
    EXPECT_EQ(addControl(column), LayoutRect(128, 23, 128, 20));
}

TEST(ControlFlowTest, RepeatedLinesTakeHeadingsFromTheFirstAndReserveNoBandAfter)
{
    ControlFlow flow(FlowOrientation::horizontal);
    flow.setLineIndex(0);
    EXPECT_EQ(flow.captionPlace(RefString(u"Level")), ControlFlow::CaptionPlace::heading);
    flow.nextRow(ControlFlow::noExtra);
    EXPECT_EQ(flow.lineIndex(), ControlFlow::noLine);
    flow.setLineIndex(1);
    EXPECT_EQ(flow.captionPlace(RefString(u"Level")), ControlFlow::CaptionPlace::none);
    EXPECT_EQ(addControl(flow).y, 43);
    flow.nextRow(ControlFlow::noExtra);
    EXPECT_EQ(flow.cursor().across, 66);
}

TEST(ControlFlowTest, SectionPutsTitleThenCaptionsThenControlsAndClosesWithTheRow)
{
    ControlFlow flow(FlowOrientation::horizontal);
    flow.setGeometry(30, 14, 12, 3);
    flow.spacing().sectionSpacing = 1;
    addControl(flow, 50);
    EXPECT_EQ(flow.openSection(RefString(u"EG")), (LayoutPoint{53, 0})) << "title at the start of the label band";
    EXPECT_EQ(flow.captionPlace(RefString(u"Rate")), ControlFlow::CaptionPlace::section);
    EXPECT_EQ(flow.rowPoint(), (LayoutPoint{53, 14})) << "captions under the title";
    EXPECT_EQ(addControl(flow, 50), LayoutRect(53, 26, 50, 18)) << "below both bands, less deep";
    EXPECT_EQ(flow.cursor().along, 104);
    EXPECT_FALSE(flow.openSection(RefString())) << "no title, no caption";
    EXPECT_EQ(flow.cursor().along, 106) << "the difference of the spacings is taken back";
    flow.nextRow(ControlFlow::noExtra);
    EXPECT_FALSE(flow.inSection());
    EXPECT_EQ(flow.cursor().along, 2);

    flow.setGeometry(30, 14, 0, 3);
    flow.openSection(RefString(u"LFO"));
    EXPECT_EQ(flow.captionPlace(RefString(u"Rate")), ControlFlow::CaptionPlace::none) << "no section band";
}

TEST(ControlFlowTest, FirstLengthBecomesTheDefaultAndTextItemsCentreInTheirSlot)
{
    ControlFlow flow(FlowOrientation::horizontal);
    flow.spacing().defaultLength = 0;
    EXPECT_EQ(flow.resolveLength(60), 60);
    EXPECT_EQ(flow.resolveLength(0), 60);
    EXPECT_EQ(flow.textItemOffset(60, 21, true), (LayoutPoint{19, 20}));
    ControlFlow column(FlowOrientation::vertical);
    EXPECT_EQ(column.textItemOffset(20, 28, true), (LayoutPoint{178, 0})) << "centred across the column";
}

TEST(ControlFlowTest, PaintBoxHoldsARowThatWasNeverClosed)
{
    // Captions of a group whose last row stays open would otherwise never be painted.
    ControlFlow flow(FlowOrientation::horizontal);
    addControl(flow);
    EXPECT_EQ(flow.paintExtent(), (LayoutSize{131, 43}));
}

TEST(ControlFlowTest, PathNamesGroupSectionCaptionOrPositionAndLine)
{
    ControlFlow flow(FlowOrientation::horizontal);
    ParameterPath path;
    path.group = RefString(u"kept");
    flow.fillPath(path, RefString(u"Mixer"), RefString(), 3);
    EXPECT_EQ(text(path.text()), u"Mixer kept 3") << "group kept outside a section; 1-based position";
    flow.openSection(RefString(u"Part 1"));
    flow.setLineIndex(0);
    flow.fillPath(path, RefString(u"Mixer"), RefString(u"Pan"), 4);
    EXPECT_EQ(text(path.text()), u"Mixer Part 1 Pan 1");
}

} // namespace
