#include "layout/ControlFlow.h"

#include "layout/TextBlock.h"

#include <algorithm>

namespace {

struct OrientationDefaults {
    int defaultLength;
    int labelBand;
    int rowDepth;
};

// Captions stand in a 20-pixel band above a horizontal row and in a
// 128-pixel band left of a vertical column.
constexpr OrientationDefaults horizontalDefaults{128, 20, 20};
constexpr OrientationDefaults verticalDefaults{20, 128, 128};

FlowSpacing defaultSpacing(FlowOrientation orientation)
{
    const OrientationDefaults& defaults
        = orientation == FlowOrientation::horizontal ? horizontalDefaults : verticalDefaults;
    FlowSpacing spacing;
    spacing.defaultLength = defaults.defaultLength;
    spacing.labelBand = defaults.labelBand;
    spacing.rowDepth = defaults.rowDepth;
    return spacing;
}

} // namespace

ControlFlow::ControlFlow(FlowOrientation orientation)
    : orientation_(orientation), spacing_(defaultSpacing(orientation))
{
}

void ControlFlow::setGeometry(int rowDepth, int labelBand, int sectionBand, int labelGap)
{
    spacing_.rowDepth = rowDepth;
    spacing_.labelBand = labelBand;
    spacing_.sectionBand = sectionBand;
    spacing_.labelGap = labelGap;
}

LayoutSize ControlFlow::orientSize(int along, int across) const
{
    return orientation_ == FlowOrientation::horizontal ? LayoutSize{along, across} : LayoutSize{across, along};
}

LayoutPoint ControlFlow::orientPoint(int along, int across) const
{
    return orientation_ == FlowOrientation::horizontal ? LayoutPoint{along, across} : LayoutPoint{across, along};
}

LayoutPoint ControlFlow::cursorPoint(int extraAcross) const
{
    const int across
        = cursor_.across + labelBandOfLine() + (inSection_ ? spacing_.sectionBand : 0) + extraAcross;
    return orientPoint(cursor_.along, across);
}

LayoutPoint ControlFlow::rowPoint() const
{
    const int across = cursor_.across + (inSection_ ? labelBandOfLine() : 0);
    return orientPoint(cursor_.along, across);
}

LayoutSize ControlFlow::elementSize(int length, int depth) const
{
    if (depth == rowDepth)
        depth = spacing_.rowDepth - (inSection_ ? spacing_.sectionBand : 0);
    return orientSize(length, depth);
}

int ControlFlow::resolveLength(int length)
{
    if (length == 0)
        return spacing_.defaultLength;
    if (spacing_.defaultLength == 0)
        spacing_.defaultLength = length;
    return length;
}

void ControlFlow::advance(int length) { cursor_.along += length + gapAfterElement(); }

ControlFlow::CaptionPlace ControlFlow::captionPlace(const RefString& caption) const
{
    if (caption.isEmpty())
        return CaptionPlace::none;
    if (inSection_)
        return spacing_.sectionBand != 0 ? CaptionPlace::section : CaptionPlace::none;
    if (spacing_.labelBand == 0 || !firstLine())
        return CaptionPlace::none;
    return lineIndex_ == 0 ? CaptionPlace::heading : CaptionPlace::attached;
}

int ControlFlow::captionBoxWidth(int naturalWidth, int length) const
{
    // Integer division rounds toward zero, as the layout wants.
    return orientSize((naturalWidth + length) / 2, spacing_.labelBand - spacing_.labelGap).width;
}

LayoutPoint ControlFlow::textItemOffset(int length, int naturalWidth, bool centred) const
{
    LayoutPoint offset = cursorPoint(0);
    if (centred)
        offset.x += (elementSize(length, rowDepth).width - naturalWidth) / 2;
    return offset;
}

void ControlFlow::endSection()
{
    if (inSection_) {
        cursor_.along += spacing_.controlSpacing - spacing_.sectionSpacing;
        closeSection();
    }
}

std::optional<LayoutPoint> ControlFlow::openSection(const RefString& title)
{
    endSection();
    std::optional<LayoutPoint> titleOffset;
    if (firstLine() && spacing_.labelBand != 0 && !title.isEmpty())
        titleOffset = rowPoint();
    inSection_ = true;
    sectionTitle_ = title.isNull() ? RefString(u"") : title;
    return titleOffset;
}

int ControlFlow::titleBoxWidth() const
{
    return orientSize(TextBlock::naturalBox, spacing_.labelBand - spacing_.labelGap).width;
}

void ControlFlow::nextRow(int extra)
{
    cursor_.alongExtent = std::max(cursor_.alongExtent, cursor_.along);
    cursor_.across += spacing_.rowSpacing + spacing_.rowDepth + labelBandOfLine();
    if (extra != noExtra)
        cursor_.across += extra;
    cursor_.along = 0;
    lineIndex_ = noLine;
    if (inSection_) {
        closeSection();
        cursor_.along = spacing_.controlSpacing - spacing_.sectionSpacing;
    }
}

LayoutSize ControlFlow::paintExtent() const
{
    // The open row counts too, so a group whose last row was never closed
    // still paints its captions.
    const int along = std::max(cursor_.alongExtent, cursor_.along);
    return orientSize(along, cursor_.across + spacing_.rowSpacing + spacing_.rowDepth + labelBandOfLine());
}

void ControlFlow::fillPath(ParameterPath& path, const RefString& groupName, const RefString& caption,
    std::size_t elementCount) const
{
    path.panel = groupName;
    if (inSection_)
        path.group = sectionTitle_;
    path.widget = caption.isEmpty() ? RefString::fromInt(static_cast<std::uint32_t>(elementCount)) : caption;
    if (lineIndex_ >= 0)
        path.line = RefString::fromInt(static_cast<std::uint32_t>(lineIndex_ + 1));
}

void ControlFlow::closeSection()
{
    inSection_ = false;
    sectionTitle_ = RefString();
}
