#pragma once
// Picks the input the instrument answers on: the MIDI interface's current
// input. Made and owned by the device.
#include "midi/MidiPortParameter.h"

class DeviceMidiInParameter final : public MidiPortParameter {
public:
    explicit DeviceMidiInParameter(MidiInterface& midi);

private:
    void setPort(const MidiDeviceInfo& description) override;
    const MidiDeviceInfo& portDescription() const override;
};
