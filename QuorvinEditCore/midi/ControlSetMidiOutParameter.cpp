#include "midi/ControlSetMidiOutParameter.h"

#include "midi/MidiControlSet.h"
#include "midi/MidiOutPort.h"

ControlSetMidiOutParameter::ControlSetMidiOutParameter(MidiInterface& midi, MidiControlSet* controlSet)
    : MidiPortParameter(midi, MidiDeviceKind::output), controlSet_(controlSet)
{
}

void ControlSetMidiOutParameter::setPort(const MidiDeviceInfo& description)
{
    // Through the set, so that its bindings send their feedback there too.
    if (controlSet_ != nullptr)
        controlSet_->setOutput(description);
}

const MidiDeviceInfo& ControlSetMidiOutParameter::portDescription() const
{
    return openDescriptionOf(controlSet_ != nullptr ? controlSet_->output() : nullptr);
}
