#pragma once
// Where the four sides of a zone control lie, where their value labels go,
// which side the pointer picks and which rectangles the zone fills, for one
// client size. A plain value computed from the sides' values and ranges.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <wx/gdicmn.h>

class ZoneGeometry {
public:
    enum class Side { left, right, top, bottom };
    static constexpr std::size_t sideCount = 4;

    // One side's parameter as the geometry sees it; a side that is not
    // bound lies at the edge of the client area.
    struct SideValue {
        std::int32_t value = 0;
        std::int32_t minimum = 0;
        std::int32_t maximum = 0;
        bool bound = false;
    };

    using Sides = std::array<SideValue, sideCount>;
    using LabelSizes = std::array<wxSize, sideCount>;

    ZoneGeometry(const wxSize& client, int border, const Sides& sides);

    // The x of a horizontal side's line, the y of a vertical side's; a zone
    // runs from left to right line and from below the top line down to the
    // bottom line, so the full ranges fill the client area less the border.
    int line(Side side) const;
    wxRect labelBox(Side side, const wxSize& text) const;
    // The bound side under the pointer: a value label first, else the
    // nearest line (ties go to bottom over top, right over left).
    std::optional<Side> pick(int x, int y, const LabelSizes& labels) const;
    // One rectangle, or two or four when a low side has passed its high side.
    std::vector<wxRect> zoneRectangles() const;

    static bool isHorizontalAxis(Side side) { return side == Side::left || side == Side::right; }

private:
    struct Interval {
        int from;
        int to;
    };

    // A band whose lines have swapped wraps round: both ends of the axis.
    static std::vector<Interval> axisIntervals(int low, int high, bool wrapped, int start, int end);
    const SideValue& sideOf(Side side) const { return sides_[static_cast<std::size_t>(side)]; }
    // The part of the inner extent taken by a value's steps.
    int scaled(Side side, int steps, int extent) const;
    std::optional<Side> pickLabel(int x, int y, const LabelSizes& labels) const;
    std::optional<Side> pickNearestLine(int x, int y) const;
    std::vector<Interval> columns() const;
    std::vector<Interval> rows() const;

    wxSize client_;
    int border_;
    Sides sides_;
};
