#pragma once
// The part's envelope, whose times and levels are offsets around a
// displayed 0: a negative first time shifts the envelope right, and the fill
// shows the deviation from the neutral shape in time and level. Owned by its
// control group's entry.
#include "controls/EnvelopeControl.h"

class PartEnvelopeControl : public EnvelopeControl {
public:
    using EnvelopeControl::EnvelopeControl;

    int originX() const override;
    EnvelopeShape::Placement referenceSegment() const override;
};
