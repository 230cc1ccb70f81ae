#pragma once
// Picks the output a MIDI control set sends its feedback to (back to the
// control surface). Made and owned by its control set.
#include "midi/MidiPortParameter.h"

class MidiControlSet;

class ControlSetMidiOutParameter final : public MidiPortParameter {
public:
    // Without a control set the parameter drives nothing and reads 0.
    ControlSetMidiOutParameter(MidiInterface& midi, MidiControlSet* controlSet);

private:
    void setPort(const MidiDeviceInfo& description) override;
    const MidiDeviceInfo& portDescription() const override;

    MidiControlSet* controlSet_;
};
