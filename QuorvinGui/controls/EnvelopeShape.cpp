#include "controls/EnvelopeShape.h"

#include "params/Parameter.h"
#include "text/Rational.h"

#include <algorithm>
#include <cstdlib>

#include <wx/intl.h>

namespace {

enum class RoleAction { start, level, sustain, hold, time };

struct RoleEntry {
    RoleId role;
    const char* name;
    RoleAction action;
};

constexpr RoleEntry roleTable[] = {
    {EnvelopeShape::startLevel, wxTRANSLATE("start level"), RoleAction::start},
    {EnvelopeShape::attackLevel, wxTRANSLATE("attack level"), RoleAction::level},
    {EnvelopeShape::biasLevel, wxTRANSLATE("bias level"), RoleAction::level},
    {EnvelopeShape::biasLevel2, wxTRANSLATE("bias level 2"), RoleAction::level},
    {EnvelopeShape::sustainLevel, wxTRANSLATE("sustain level"), RoleAction::sustain},
    {EnvelopeShape::endLevel, wxTRANSLATE("end level"), RoleAction::level},
    {EnvelopeShape::holdTime, wxTRANSLATE("hold time"), RoleAction::hold},
    {EnvelopeShape::attackTime, wxTRANSLATE("attack time"), RoleAction::time},
    {EnvelopeShape::decayTime, wxTRANSLATE("decay time"), RoleAction::time},
    {EnvelopeShape::decayTime2, wxTRANSLATE("decay time 2"), RoleAction::time},
    {EnvelopeShape::decayTime3, wxTRANSLATE("decay time 3"), RoleAction::time},
    {EnvelopeShape::releaseTime, wxTRANSLATE("release time"), RoleAction::time},
};

const RoleEntry* findRole(RoleId role)
{
    const auto* found = std::find_if(std::begin(roleTable), std::end(roleTable),
        [role](const RoleEntry& entry) { return entry.role == role; });
    return found == std::end(roleTable) ? nullptr : found;
}

std::int32_t rawAtZero(const Parameter& parameter)
{
    return parameter.rawFromDisplay(Rational(0));
}

// The part of a range a value lies at, scaled to a length; a one-value range
// has no length.
int scaledPosition(const Parameter& parameter, bool atZero, int length)
{
    const std::int64_t span = std::int64_t{parameter.maximum()} - parameter.minimum();
    if (span <= 0)
        return 0;
    const std::int32_t value = atZero ? rawAtZero(parameter) : parameter.getValue();
    return static_cast<int>((std::int64_t{value} - parameter.minimum()) * length / span);
}

bool within(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

const char* EnvelopeShape::roleName(RoleId role)
{
    const RoleEntry* entry = findRole(role);
    return entry == nullptr ? nullptr : entry->name;
}

void EnvelopeShape::bindRole(RoleId role, Parameter* parameter)
{
    const RoleEntry* entry = findRole(role);
    if (entry == nullptr)
        return;
    switch (entry->action) {
    case RoleAction::start: {
        EnvelopeSegment start;
        start.timeValue = EnvelopeSegment::startMarker;
        start.levelParameter = parameter;
        start.levelRole = parameter != nullptr ? role : Control::kRoleNone;
        start.levelValue = parameter != nullptr ? EnvelopeSegment::unset : EnvelopeSegment::half;
        segments_.insert(segments_.begin(), start);
        break;
    }
    case RoleAction::level:
        setLevelPoint(parameter, role, EnvelopeSegment::half);
        break;
    case RoleAction::sustain:
        bindSustainLevel(parameter, role);
        break;
    case RoleAction::hold:
        setTimePoint(parameter, role, EnvelopeSegment::full);
        lastSegment().levelValue = EnvelopeSegment::heldLevel;
        break;
    case RoleAction::time:
        setTimePoint(parameter, role, EnvelopeSegment::full);
        break;
    }
}

// The sustain level ends one segment and carries on through a free-length
// column, so the release keeps its own column at the right edge.
void EnvelopeShape::bindSustainLevel(Parameter* parameter, RoleId role)
{
    const bool existedBefore = !segments_.empty();
    if (!existedBefore || lastSegment().levelSet())
        appendSegment();
    setLevelPoint(parameter, role, EnvelopeSegment::half);
    if (existedBefore) {
        const EnvelopeSegment level = lastSegment();
        appendSegment();
        lastSegment().levelParameter = level.levelParameter;
        lastSegment().levelRole = level.levelRole;
        lastSegment().levelValue = level.levelValue;
    }
    lastSegment().timeValue = EnvelopeSegment::sustainColumn;
}

void EnvelopeShape::appendSegment()
{
    if (!segments_.empty()) {
        EnvelopeSegment& last = lastSegment();
        if (last.levelParameter == nullptr && last.levelValue == EnvelopeSegment::unset)
            last.levelValue = EnvelopeSegment::half;
        if (last.timeParameter == nullptr && last.timeValue == EnvelopeSegment::unset)
            last.timeValue = EnvelopeSegment::full;
    }
    segments_.emplace_back();
}

void EnvelopeShape::setTimePoint(Parameter* parameter, RoleId role, std::int32_t value)
{
    if (segments_.empty() || lastSegment().timeSet())
        appendSegment();
    if (parameter != nullptr) {
        lastSegment().timeParameter = parameter;
        lastSegment().timeRole = role;
    } else {
        lastSegment().timeValue = value;
    }
}

void EnvelopeShape::setLevelPoint(Parameter* parameter, RoleId role, std::int32_t value)
{
    if (segments_.empty() || lastSegment().levelSet())
        appendSegment();
    if (parameter != nullptr) {
        lastSegment().levelParameter = parameter;
        lastSegment().levelRole = role;
    } else {
        lastSegment().levelValue = value;
    }
}

int EnvelopeShape::count() const
{
    return static_cast<int>(segments_.size()) - (hasStart() ? 1 : 0);
}

int EnvelopeShape::envelopeTimeToPixels(const EnvelopeSegment& segment, int width, bool atZero)
{
    if (segment.timeParameter != nullptr)
        return scaledPosition(*segment.timeParameter, atZero, width);
    switch (segment.timeValue) {
    case EnvelopeSegment::half:
        return width / 2;
    case EnvelopeSegment::full:
    case EnvelopeSegment::sustainColumn:
        return width;
    default:
        return segment.timeValue >= EnvelopeSegment::unset ? 0 : segment.timeValue;
    }
}

int EnvelopeShape::envelopeLevelToPixels(const EnvelopeSegment& segment, int height, bool atZero)
{
    if (segment.levelParameter != nullptr)
        return height - scaledPosition(*segment.levelParameter, atZero, height);
    switch (segment.levelValue) {
    case EnvelopeSegment::half:
        return height - height / 2;
    case EnvelopeSegment::full:
        return 0;
    default:
        return segment.timeValue >= EnvelopeSegment::unset ? height : height - segment.levelValue;
    }
}

int EnvelopeShape::columnWidth(int width, int margin) const
{
    const int columns = count();
    return columns <= 0 ? 0 : std::max(0, width - 2 * margin) / columns;
}

EnvelopeShape::Polyline EnvelopeShape::place(const Frame& frame, Placement placement) const
{
    const int height = frame.height - 2 * frame.margin - 1;
    const int column = columnWidth(frame.width, frame.margin);
    Polyline polyline;
    polyline.origin = wxPoint(frame.originX, frame.margin + height);
    int columnsLeft = count();
    wxPoint previous = polyline.origin;
    for (const EnvelopeSegment& segment : segments_) {
        wxPoint point = previous;
        if (!segment.holdsLevel())
            point.y = frame.margin + envelopeLevelToPixels(segment, height, placement.levelsAtZero);
        if (segment.isStart()) {
            point.x = frame.originX;
            polyline.origin = point;
        } else {
            --columnsLeft;
            point.x = segment.isSustainColumn()
                ? frame.width - frame.margin - columnsLeft * column - 1
                : previous.x + envelopeTimeToPixels(segment, column, placement.timesAtZero);
        }
        polyline.points.push_back(point);
        previous = point;
    }
    return polyline;
}

std::optional<std::size_t> EnvelopeShape::segmentAt(const Polyline& polyline, int margin, int x, int y) const
{
    for (std::size_t index = 0; index < polyline.points.size(); ++index) {
        const wxPoint& point = polyline.points[index];
        if (std::abs(x - point.x) <= margin && std::abs(y - point.y) <= margin)
            return index;
    }
    for (std::size_t index = 0; index < polyline.points.size(); ++index) {
        const wxPoint& point = polyline.points[index];
        const int from = polyline.previous(index).y;
        if (std::abs(x - point.x) <= margin
            && within(y, std::min(from, point.y) - margin, std::max(from, point.y) + margin))
            return index;
    }
    return std::nullopt;
}

RoleId EnvelopeShape::levelRoleOf(std::size_t index) const
{
    const EnvelopeSegment& segment = segments_[index];
    if (index == 1 && hasStart() && segment.levelParameter == nullptr)
        return segments_.front().levelRole;
    return segment.levelRole;
}
