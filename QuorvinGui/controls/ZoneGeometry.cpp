#include "controls/ZoneGeometry.h"

#include <cstdlib>

namespace {

constexpr std::array<ZoneGeometry::Side, ZoneGeometry::sideCount> labelOrder{
    ZoneGeometry::Side::right, ZoneGeometry::Side::left, ZoneGeometry::Side::top, ZoneGeometry::Side::bottom};

} // namespace

ZoneGeometry::ZoneGeometry(const wxSize& client, int border, const Sides& sides)
    : client_(client), border_(border), sides_(sides)
{
}

int ZoneGeometry::scaled(Side side, int steps, int extent) const
{
    const SideValue& value = sideOf(side);
    const std::int64_t range = std::int64_t{value.maximum} - value.minimum + 1;
    if (range <= 0)
        return 0;
    return static_cast<int>(std::int64_t{steps} * (extent - 2 * border_) / range);
}

int ZoneGeometry::line(Side side) const
{
    const SideValue& value = sideOf(side);
    const int steps = value.bound ? value.value - value.minimum : 0;
    const int width = client_.GetWidth();
    const int height = client_.GetHeight();
    // An unbound side takes the whole range: 1 step of a one-value range.
    switch (side) {
    case Side::left:
        return border_ + scaled(side, steps, width);
    case Side::right:
        return border_ + scaled(side, value.bound ? steps + 1 : 1, width);
    case Side::top:
        return height - 1 - border_ - scaled(side, value.bound ? steps + 1 : 1, height);
    case Side::bottom:
        break;
    }
    return height - 1 - border_ - scaled(side, steps, height);
}

wxRect ZoneGeometry::labelBox(Side side, const wxSize& text) const
{
    const int width = client_.GetWidth();
    const int height = client_.GetHeight();
    const int middleX = (width - text.GetWidth()) / 2;
    const int middleY = (height - text.GetHeight()) / 2;
    switch (side) {
    case Side::left:
        return {wxPoint(border_, middleY), text};
    case Side::right:
        return {wxPoint(width - text.GetWidth(), middleY), text};
    case Side::top:
        return {wxPoint(middleX, border_), text};
    case Side::bottom:
        break;
    }
    return {wxPoint(middleX, height - text.GetHeight()), text};
}

std::optional<ZoneGeometry::Side> ZoneGeometry::pick(int x, int y, const LabelSizes& labels) const
{
    if (const auto labelled = pickLabel(x, y, labels))
        return labelled;
    return pickNearestLine(x, y);
}

std::optional<ZoneGeometry::Side> ZoneGeometry::pickLabel(int x, int y, const LabelSizes& labels) const
{
    for (Side side : labelOrder) {
        if (sideOf(side).bound && labelBox(side, labels[static_cast<std::size_t>(side)]).Contains(x, y))
            return side;
    }
    return std::nullopt;
}

std::optional<ZoneGeometry::Side> ZoneGeometry::pickNearestLine(int x, int y) const
{
    std::optional<Side> best;
    int bestDistance = 0;
    const auto offer = [&](Side side, int distance, bool winsTie) {
        if (!sideOf(side).bound)
            return;
        if (!best || distance < bestDistance || (distance == bestDistance && winsTie)) {
            best = side;
            bestDistance = distance;
        }
    };
    const bool aboveTop = y < line(Side::top);
    offer(Side::top, std::abs(y - line(Side::top)), false);
    offer(Side::bottom, std::abs(y - line(Side::bottom)), !aboveTop);
    const bool leftOfLeft = x < line(Side::left);
    offer(Side::left, std::abs(x - line(Side::left)), false);
    offer(Side::right, std::abs(x - line(Side::right)), best == Side::left && !leftOfLeft);
    return best;
}

std::vector<ZoneGeometry::Interval> ZoneGeometry::columns() const
{
    const bool wrapped = sideOf(Side::left).bound && sideOf(Side::right).bound
        && sideOf(Side::left).value > sideOf(Side::right).value;
    return axisIntervals(line(Side::left), line(Side::right), wrapped, border_, client_.GetWidth() - border_);
}

std::vector<ZoneGeometry::Interval> ZoneGeometry::rows() const
{
    const bool wrapped = sideOf(Side::top).bound && sideOf(Side::bottom).bound
        && sideOf(Side::bottom).value > sideOf(Side::top).value;
    // The rows below the top line down to the bottom line, inclusive.
    return axisIntervals(line(Side::top) + 1, line(Side::bottom) + 1, wrapped, border_,
        client_.GetHeight() - border_);
}

std::vector<wxRect> ZoneGeometry::zoneRectangles() const
{
    std::vector<wxRect> rectangles;
    for (const Interval& row : rows()) {
        for (const Interval& column : columns()) {
            if (column.to > column.from && row.to > row.from)
                rectangles.emplace_back(column.from, row.from, column.to - column.from, row.to - row.from);
        }
    }
    return rectangles;
}

std::vector<ZoneGeometry::Interval> ZoneGeometry::axisIntervals(int low, int high, bool wrapped, int start, int end)
{
    if (!wrapped)
        return {{low, high}};
    // Swapped lines: the zone reaches from the start to the high line and
    // from the low line to the end.
    return {{start, high}, {low, end}};
}
