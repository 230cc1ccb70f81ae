#include "midi/DeviceMidiInParameter.h"

#include "midi/MidiInPort.h"
#include "midi/MidiInterface.h"

DeviceMidiInParameter::DeviceMidiInParameter(MidiInterface& midi) : MidiPortParameter(midi, MidiDeviceKind::input)
{
}

void DeviceMidiInParameter::setPort(const MidiDeviceInfo& description)
{
    midiInterface().openCurrentInput(description);
}

const MidiDeviceInfo& DeviceMidiInParameter::portDescription() const
{
    return openDescriptionOf(midiInterface().currentInput());
}
