#pragma once
// What the MIDI interface needs of one of its four MIDI control sets: the
// ports the set uses, its short messages (given on the GUI thread) and its
// part of the settings. The interface owns its control sets.
#include "midi/MidiMessage.h"

class MidiInPort;
class MidiOutPort;
class XmlElement;

class MidiControlSetBase {
public:
    virtual ~MidiControlSetBase() = default;
    // The set's ports, slots of the interface's port lists, or none.
    virtual MidiInPort* input() const = 0;
    virtual MidiOutPort* output() const = 0;
    // A short message that arrived on the set's input.
    virtual void handleMessage(MidiMessage message) = 0;
    // Reads and writes a "control_set" element.
    virtual void load(const XmlElement& element) = 0;
    virtual void save(const XmlElement& element) = 0;
};
