#pragma once
// The system page's "Test settings" button: probes the instrument on the
// chosen ports as connecting does; an answer makes the connection, silence
// reports that the communication does not work.
#include "commands/CommandParameter.h"

class MidiInterface;

class RequestDataCommandParameter final : public CommandParameter {
public:
    explicit RequestDataCommandParameter(MidiInterface& midiInterface);

private:
    void run() override;

    MidiInterface& midiInterface_;
};
