#pragma once
// The description of a test's port, found by its name alone.
#include "midi/MidiDeviceInfo.h"

#include <string>

inline MidiDeviceInfo portInfo(MidiDeviceKind kind, const std::string& name)
{
    return MidiDeviceInfo(kind, 0, 0, RefString::fromUtf8(name));
}
