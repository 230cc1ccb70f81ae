#include "commands/RequestDataCommandParameter.h"

#include "midi/MidiInterface.h"

RequestDataCommandParameter::RequestDataCommandParameter(MidiInterface& midiInterface)
    : CommandParameter(SetValueFlag::userAction), midiInterface_(midiInterface)
{
}

void RequestDataCommandParameter::run()
{
    midiInterface_.probeConnection();
}
