#pragma once
// The segments of an envelope editor, built from the roles the page binds in
// the order of the envelope's points, and where those points lie in a
// control of a given size. Knows no particular envelope; owned by the
// envelope control.
#include "controls/EnvelopeSegment.h"

#include <optional>
#include <vector>

#include <wx/gdicmn.h>

class EnvelopeShape {
public:
    static constexpr RoleId startLevel = 256;
    static constexpr RoleId attackLevel = 257;
    static constexpr RoleId biasLevel = 258;
    static constexpr RoleId biasLevel2 = 259;
    static constexpr RoleId sustainLevel = 260;
    static constexpr RoleId endLevel = 261;
    static constexpr RoleId holdTime = 262;
    static constexpr RoleId attackTime = 263;
    static constexpr RoleId decayTime = 264;
    static constexpr RoleId decayTime2 = 265;
    static constexpr RoleId decayTime3 = 266;
    static constexpr RoleId releaseTime = 267;

    // Which values the points are placed at: the current ones, or the raw
    // values that display as 0 (the neutral shape a fill is measured from).
    struct Placement {
        bool timesAtZero = false;
        bool levelsAtZero = false;
    };

    // The area the points are placed in.
    struct Frame {
        int width = 0;
        int height = 0;
        int margin = 0;
        int originX = 0;
    };

    // One point per segment; origin is where the line to the first point
    // starts (the bottom left corner when there is no start segment).
    struct Polyline {
        wxPoint origin;
        std::vector<wxPoint> points;

        const wxPoint& previous(std::size_t index) const { return index == 0 ? origin : points[index - 1]; }
    };

    // The untranslated name a role gives its parameter; null for other roles.
    static const char* roleName(RoleId role);

    // Adds the point of one role; roles of no envelope do nothing.
    void bindRole(RoleId role, Parameter* parameter);
    // Completes the last segment (middle level, full column) and starts one.
    void appendSegment();
    void setTimePoint(Parameter* parameter, RoleId role, std::int32_t value);
    void setLevelPoint(Parameter* parameter, RoleId role, std::int32_t value);

    const std::vector<EnvelopeSegment>& segments() const { return segments_; }
    // Column segments: the start segment takes no column.
    int count() const;
    bool hasStart() const { return !segments_.empty() && segments_.front().isStart(); }

    static int envelopeTimeToPixels(const EnvelopeSegment& segment, int width, bool atZero);
    static int envelopeLevelToPixels(const EnvelopeSegment& segment, int height, bool atZero);
    // (width - 2 x margin) / count; 0 with no column.
    int columnWidth(int width, int margin) const;
    Polyline place(const Frame& frame, Placement placement) const;
    // The segment under a point: first by the handle around its end point,
    // then by the band of its level line; the first in list order wins.
    std::optional<std::size_t> segmentAt(const Polyline& polyline, int margin, int x, int y) const;
    // The role a vertical drag of the point moves: a fixed level right after
    // the start segment stands for the start level.
    RoleId levelRoleOf(std::size_t index) const;

private:
    void bindSustainLevel(Parameter* parameter, RoleId role);
    EnvelopeSegment& lastSegment() { return segments_.back(); }

    std::vector<EnvelopeSegment> segments_;
};
