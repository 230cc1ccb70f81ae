#pragma once
// Told when a requested bulk dump has arrived, checked and been written into
// memory. Whoever registers one with the MIDI interface owns it and keeps it
// alive while it is registered.
#include "sysex/PackedAddress.h"

class DumpCallback {
public:
    virtual ~DumpCallback() = default;
    virtual void dumpDone(PackedAddress address) = 0;
};
