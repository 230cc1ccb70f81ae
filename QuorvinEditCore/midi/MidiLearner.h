#pragma once
// MIDI learn as a control set needs it: given a message that arrived while
// the set's Learn switch is on, offer it for binding to the parameter under
// the mouse pointer. The GUI provides one; without it learning does nothing.
#include "midi/MidiMessage.h"

class MidiControlSet;

class MidiLearner {
public:
    virtual ~MidiLearner() = default;
    virtual void learn(MidiControlSet& set, MidiMessage message) = 0;
};
