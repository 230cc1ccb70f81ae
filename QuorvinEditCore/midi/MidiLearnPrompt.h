#pragma once
// What MIDI learn asks of its dialog: show the message to bind, let the user
// (or, without confirmation, a short timer) accept it, and say which
// candidate was chosen. The learn session owns the prompt while it runs.
#include "midi/MidiMessage.h"

class Parameter;

class MidiLearnPrompt {
public:
    virtual ~MidiLearnPrompt() = default;
    // The message shown; a later one replaces it.
    virtual void setMessage(MidiMessage message) = 0;
    // Runs until accepted or cancelled; without confirmation it accepts by
    // itself after a moment. True when accepted.
    virtual bool run(bool confirm) = 0;
    // The chosen candidate, or null when none is.
    virtual Parameter* selectedParameter() const = 0;
};
