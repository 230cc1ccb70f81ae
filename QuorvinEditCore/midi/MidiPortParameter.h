#pragma once
// A parameter that picks a MIDI port: its value is 1 + the device's position
// in the installed inputs or outputs (0 for no port), its labels are the
// port names, and a user's choice opens that device in one port slot of the
// MIDI interface. The value is read back from the slot, so a control always
// shows the port that is really open. Each kind names its slot; whoever
// makes one owns it.
#include "midi/MidiDeviceInfo.h"
#include "params/Parameter.h"

class MidiDeviceList;
class MidiInterface;

class MidiPortParameter : public Parameter {
public:
    ~MidiPortParameter() override = default;

    std::int32_t getValue() const override;
    // Only a user action opens a port; nothing is stored.
    void apply(std::uint32_t flags, std::int32_t value) override;

    // Lists the installed devices again and fits range and labels to them.
    void refreshPortList(std::uint32_t flags);

    MidiDeviceKind kind() const { return kind_; }

protected:
    MidiPortParameter(MidiInterface& midi, MidiDeviceKind kind);

    MidiInterface& midiInterface() const { return midi_; }
    // Puts the device into the slot; the none-description empties it.
    virtual void setPort(const MidiDeviceInfo& description) = 0;
    // The slot's open device; the none-description for an empty slot or a
    // closed port.
    virtual const MidiDeviceInfo& portDescription() const = 0;

private:
    MidiInterface& midi_;
    MidiDeviceKind kind_;
    // The program-wide list of the kind, refilled by every enumeration.
    MidiDeviceList& ports_;
};
