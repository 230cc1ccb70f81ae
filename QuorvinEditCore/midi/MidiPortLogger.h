#pragma once
// Receives a port's reports: opening and closing, and errors, some of them
// from the input thread.
#include "midi/MidiDeviceInfo.h"

class MidiPortLogger {
public:
    virtual ~MidiPortLogger() = default;
    virtual void logInfo(const MidiDeviceInfo& port, const RefString& text) = 0;
    virtual void logError(const MidiDeviceInfo& port, const RefString& text) = 0;
};
