#include "midi/ControlSetMidiInParameter.h"

#include "midi/MidiControlSet.h"
#include "midi/MidiInPort.h"

ControlSetMidiInParameter::ControlSetMidiInParameter(MidiInterface& midi, MidiControlSet* controlSet)
    : MidiPortParameter(midi, MidiDeviceKind::input), controlSet_(controlSet)
{
}

void ControlSetMidiInParameter::setPort(const MidiDeviceInfo& description)
{
    if (controlSet_ != nullptr)
        controlSet_->setInput(description);
}

const MidiDeviceInfo& ControlSetMidiInParameter::portDescription() const
{
    return openDescriptionOf(controlSet_ != nullptr ? controlSet_->input() : nullptr);
}
