#pragma once
// Picks the input a MIDI control set listens to (the control surface's
// output). Made and owned by its control set.
#include "midi/MidiPortParameter.h"

class MidiControlSet;

class ControlSetMidiInParameter final : public MidiPortParameter {
public:
    // Without a control set the parameter drives nothing and reads 0.
    ControlSetMidiInParameter(MidiInterface& midi, MidiControlSet* controlSet);

private:
    void setPort(const MidiDeviceInfo& description) override;
    const MidiDeviceInfo& portDescription() const override;

    MidiControlSet* controlSet_;
};
