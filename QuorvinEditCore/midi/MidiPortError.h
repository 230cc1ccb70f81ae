#pragma once
// Result codes of opening a port, and the texts the ports report them with.
#include "text/RefString.h"

enum class MidiPortError : int {
    ok = 0,
    deviceNotFound = 1,
    portNotAvailable = 2,
    memoryFailure = 3,
    receivedNullData = 4,
    bufferOverflow = 5,
    unhandledDriverBehaviour = 6,
};

// Any code outside the table reads "Unhandled error code.".
RefString midiPortErrorText(MidiPortError error);
