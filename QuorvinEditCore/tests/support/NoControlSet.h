#pragma once
// A control set with no ports that ignores its messages and settings, for
// tests of the MIDI interface that leave control sets aside.
#include "midi/MidiControlSetBase.h"

class NoControlSet : public MidiControlSetBase {
public:
    MidiInPort* input() const override { return nullptr; }
    MidiOutPort* output() const override { return nullptr; }
    void handleMessage(MidiMessage) override {}
    void load(const XmlElement&) override {}
    void save(const XmlElement&) override {}
};
