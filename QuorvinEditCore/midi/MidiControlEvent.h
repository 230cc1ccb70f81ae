#pragma once
// The event a binding posts to the MIDI control grouper after the change it
// made, so the grouper sees the change already recorded; the grouper's timer
// posts one without a binding. It names the binding by its serial number,
// never by its address: an event still queued when its binding is erased
// then names nothing.
#include <wx/event.h>

#include <cstdint>

class MidiControlEvent : public wxEvent {
public:
    using BindingSerial = std::uint64_t;
    // Stands for "no binding": the grouper's own end-of-group event.
    static constexpr BindingSerial noBinding = 0;

    explicit MidiControlEvent(BindingSerial binding);

    BindingSerial binding() const { return binding_; }
    wxEvent* Clone() const override { return new MidiControlEvent(*this); }

private:
    BindingSerial binding_;
};

wxDECLARE_EVENT(midiControlEventType, MidiControlEvent);

// Queues the event for the target's pending-event processing; safe from any
// thread, returns at once.
void postMidiControlEvent(wxEvtHandler& target, MidiControlEvent::BindingSerial binding);
