#pragma once
// Picks the output that reaches the instrument: the MIDI interface's current
// output. Made and owned by the device.
#include "midi/MidiPortParameter.h"

class DeviceMidiOutParameter final : public MidiPortParameter {
public:
    explicit DeviceMidiOutParameter(MidiInterface& midi);

private:
    void setPort(const MidiDeviceInfo& description) override;
    const MidiDeviceInfo& portDescription() const override;
};
