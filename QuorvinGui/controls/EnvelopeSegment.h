#pragma once
// One point of an envelope editor: a time (its x within its column) and a
// level (its y), each a bound parameter or a fixed value or marker. Plain
// value kept by the envelope's shape.
#include "controls/Control.h"

#include <cstdint>

class Parameter;

struct EnvelopeSegment {
    static constexpr std::int32_t unset = 111111;
    // Time of the start segment: it has no column, only its level is drawn.
    static constexpr std::int32_t startMarker = 111112;
    // Level that repeats the previous point's level.
    static constexpr std::int32_t heldLevel = 111113;
    // Time of the free-length column after the sustain level.
    static constexpr std::int32_t sustainColumn = 111114;
    // Fixed times are fractions of a column, fixed levels of the height.
    static constexpr std::int32_t half = 50000;
    static constexpr std::int32_t full = 100000;

    bool timeSet() const { return timeParameter != nullptr || timeValue != unset; }
    bool levelSet() const { return levelParameter != nullptr || levelValue != unset; }
    bool isStart() const { return timeValue == startMarker; }
    bool isSustainColumn() const { return timeValue == sustainColumn; }
    bool holdsLevel() const { return levelParameter == nullptr && levelValue == heldLevel; }

    std::int32_t timeValue = unset;
    Parameter* timeParameter = nullptr;
    RoleId timeRole = Control::kRoleNone;
    std::int32_t levelValue = unset;
    Parameter* levelParameter = nullptr;
    RoleId levelRole = Control::kRoleNone;
};
