#include "midi/KeyboardMidiInParameter.h"

#include "midi/MidiInPort.h"
#include "midi/MidiInterface.h"

KeyboardMidiInParameter::KeyboardMidiInParameter(MidiInterface& midi, std::size_t index)
    : MidiPortParameter(midi, MidiDeviceKind::input), index_(index)
{
}

void KeyboardMidiInParameter::setPort(const MidiDeviceInfo& description)
{
    if (index_ < MidiInterface::keyboardInputCount)
        midiInterface().openKeyboardInput(index_, description);
}

const MidiDeviceInfo& KeyboardMidiInParameter::portDescription() const
{
    return openDescriptionOf(midiInterface().keyboardInput(index_));
}
