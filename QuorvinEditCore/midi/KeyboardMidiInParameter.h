#pragma once
// Picks one of the four keyboard inputs whose short messages the MIDI
// interface passes through to the instrument. Made and owned by the device.
#include "midi/MidiPortParameter.h"

#include <cstddef>

class KeyboardMidiInParameter final : public MidiPortParameter {
public:
    // An index past the last keyboard slot drives nothing and reads 0.
    KeyboardMidiInParameter(MidiInterface& midi, std::size_t index);

    std::size_t index() const { return index_; }

private:
    void setPort(const MidiDeviceInfo& description) override;
    const MidiDeviceInfo& portDescription() const override;

    std::size_t index_;
};
