#include "midi/MidiControlEvent.h"

wxDEFINE_EVENT(midiControlEventType, MidiControlEvent);

MidiControlEvent::MidiControlEvent(BindingSerial binding)
    : wxEvent(0, midiControlEventType)
    , binding_(binding)
{
}

void postMidiControlEvent(wxEvtHandler& target, MidiControlEvent::BindingSerial binding)
{
    target.QueueEvent(new MidiControlEvent(binding));
}
