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

TEST(ControlFlowTest, HorizontalRowPutsCaptionsCentredInTheBandAboveAndSpacesControlsByThree)
{
    ControlFlow flow(FlowOrientation::horizontal);
    EXPECT_EQ(flow.captionPlace(RefString(u"Level")), ControlFlow::CaptionPlace::attached);
    const LayoutPoint caption = flow.rowPoint();
    EXPECT_EQ(addControl(flow), LayoutRect(0, 20, 128, 20));
    EXPECT_EQ(caption, (LayoutPoint{0, 0}));
    // A 40-pixel text right-aligned in a box of (40 + 128) / 2 = 84 spans 44..84.
    EXPECT_EQ(flow.captionBoxWidth(40, 128), 84);
    EXPECT_EQ(flow.captionBoxWidth(41, 128), 84) << "rounds toward zero";
    EXPECT_EQ(flow.captionBoxWidth(-201, 128), -36) << "rounds toward zero, not down";
    EXPECT_EQ(addControl(flow).x, 131);
}

TEST(ControlFlowTest, VerticalColumnPutsCaptionsRightAlignedLeftOfTheControls)
{
    ControlFlow flow(FlowOrientation::vertical);
    const LayoutPoint caption = flow.rowPoint();
    EXPECT_EQ(addControl(flow), LayoutRect(128, 0, 128, 20));
    EXPECT_EQ(caption.x + flow.captionBoxWidth(40, 20), 125) << "ends the label gap before the control";
    EXPECT_EQ(addControl(flow), LayoutRect(128, 23, 128, 20));
}

TEST(ControlFlowTest, NextRowCountsTheLabelBandOfEveryFirstLine)
{
    ControlFlow flow(FlowOrientation::horizontal);
    addControl(flow);
    addControl(flow);
    flow.nextRow(ControlFlow::noExtra);
    EXPECT_EQ(flow.cursor().across, 43);
    EXPECT_EQ(flow.cursor().along, 0);
    EXPECT_EQ(flow.cursor().alongExtent, 262);
    addControl(flow);
    flow.nextRow(ControlFlow::noExtra);
    EXPECT_EQ(flow.cursor().across, 86);
    EXPECT_EQ(flow.cursor().alongExtent, 262) << "the widest row stays";
    flow.nextRow(10);
    EXPECT_EQ(flow.cursor().across, 139);
}

TEST(ControlFlowTest, RepeatedLinesTakeHeadingsFromTheFirstAndReserveNoBandAfter)
{
    ControlFlow flow(FlowOrientation::horizontal);
    flow.setLineIndex(0);
    EXPECT_EQ(flow.captionPlace(RefString(u"Level")), ControlFlow::CaptionPlace::heading);
    EXPECT_EQ(addControl(flow).y, 20);
    flow.nextRow(ControlFlow::noExtra);
    EXPECT_EQ(flow.lineIndex(), ControlFlow::noLine) << "rows end the line";
    flow.setLineIndex(1);
    EXPECT_EQ(flow.captionPlace(RefString(u"Level")), ControlFlow::CaptionPlace::none);
    EXPECT_EQ(addControl(flow).y, 43);
    flow.nextRow(ControlFlow::noExtra);
    EXPECT_EQ(flow.cursor().across, 66) << "no label band for a second line";
    EXPECT_EQ(flow.captionPlace(RefString()), ControlFlow::CaptionPlace::none);
}

TEST(ControlFlowTest, SectionPutsTitleThenCaptionsThenControlsAndClosesWithTheRow)
{
    ControlFlow flow(FlowOrientation::horizontal);
    flow.setGeometry(30, 14, 12, 3);
    flow.spacing().sectionSpacing = 1;
    addControl(flow, 50);
    const std::optional<LayoutPoint> title = flow.openSection(RefString(u"EG"));
    ASSERT_TRUE(title);
    EXPECT_EQ(*title, (LayoutPoint{53, 0})) << "at the start of the label band";
    EXPECT_EQ(flow.titleBoxWidth(), -1) << "natural width across a horizontal flow";
    EXPECT_EQ(flow.captionPlace(RefString(u"Rate")), ControlFlow::CaptionPlace::section);
    EXPECT_EQ(flow.rowPoint(), (LayoutPoint{53, 14})) << "captions under the title band";
    EXPECT_EQ(addControl(flow, 50), LayoutRect(53, 26, 50, 18)) << "below both bands, less deep";
    EXPECT_EQ(flow.cursor().along, 104) << "section spacing";
    // A second section first takes back the difference of the spacings.
    EXPECT_FALSE(flow.openSection(RefString()));
    EXPECT_EQ(flow.cursor().along, 106);
    EXPECT_TRUE(flow.inSection());
    flow.nextRow(ControlFlow::noExtra);
    EXPECT_FALSE(flow.inSection());
    EXPECT_EQ(flow.cursor().along, 2);
    EXPECT_EQ(flow.cursor().across, 3 + 30 + 14);

    flow.setGeometry(30, 14, 0, 3);
    flow.openSection(RefString(u"LFO"));
    EXPECT_EQ(flow.captionPlace(RefString(u"Rate")), ControlFlow::CaptionPlace::none)
        << "no caption without a section band";
}

TEST(ControlFlowTest, LengthsDefaultOnceAndTextItemsCentreInTheirSlot)
{
    ControlFlow flow(FlowOrientation::horizontal);
    flow.spacing().defaultLength = 0;
    EXPECT_EQ(flow.resolveLength(0), 0);
    EXPECT_EQ(flow.resolveLength(60), 60);
    EXPECT_EQ(flow.resolveLength(0), 60) << "the first length became the default";
    EXPECT_EQ(flow.resolveLength(30), 30);
    EXPECT_EQ(flow.textItemOffset(60, 21, true), (LayoutPoint{19, 20}));
    EXPECT_EQ(flow.textItemOffset(60, 21, false), (LayoutPoint{0, 20}));

    ControlFlow column(FlowOrientation::vertical);
    EXPECT_EQ(column.textItemOffset(20, 28, true), (LayoutPoint{128 + 50, 0})) << "centred across the column";
}

TEST(ControlFlowTest, PaintBoxHoldsARowThatWasNeverClosed)
{
    ControlFlow flow(FlowOrientation::horizontal);
    addControl(flow);
    addControl(flow);
    // Captions of a single-row group would otherwise never be painted.
    EXPECT_EQ(flow.paintExtent(), (LayoutSize{262, 43}));
    flow.nextRow(ControlFlow::noExtra);
    EXPECT_EQ(flow.paintExtent(), (LayoutSize{262, 86}));
}

TEST(ControlFlowTest, PathNamesGroupSectionCaptionOrPositionAndLine)
{
    ControlFlow flow(FlowOrientation::horizontal);
    ParameterPath path;
    path.group = RefString(u"kept");
    flow.fillPath(path, RefString(u"Mixer"), RefString(), 3);
    EXPECT_EQ(text(path.panel), u"Mixer");
    EXPECT_EQ(text(path.group), u"kept") << "left alone outside a section";
    EXPECT_EQ(text(path.widget), u"3") << "the control's 1-based position";
    EXPECT_TRUE(path.line.isNull());

    flow.openSection(RefString(u"Part 1"));
    flow.setLineIndex(0);
    flow.fillPath(path, RefString(u"Mixer"), RefString(u"Pan"), 4);
    EXPECT_EQ(text(path.group), u"Part 1");
    EXPECT_EQ(text(path.widget), u"Pan");
    EXPECT_EQ(text(path.line), u"1");
}

} // namespace
