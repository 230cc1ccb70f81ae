#include "midi/DeviceMidiOutParameter.h"

#include "midi/MidiInterface.h"
#include "midi/MidiOutPort.h"

DeviceMidiOutParameter::DeviceMidiOutParameter(MidiInterface& midi) : MidiPortParameter(midi, MidiDeviceKind::output)
{
}

void DeviceMidiOutParameter::setPort(const MidiDeviceInfo& description)
{
    midiInterface().openCurrentOutput(description);
}

const MidiDeviceInfo& DeviceMidiOutParameter::portDescription() const
{
    return openDescriptionOf(midiInterface().currentOutput());
}
