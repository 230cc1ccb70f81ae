#pragma once
// What the MIDI interface drives on the device's wait dialog while a dump
// arrives: the gauge and the end of the wait. The dialog implements it on the
// GUI thread; the device owns the dialog.
#include <cstdint>

class WaitProgress {
public:
    virtual ~WaitProgress() = default;
    // The gauge shows the bytes received so far.
    virtual void setProgress(std::int32_t value) = 0;
    // Ends the wait; the dialog closes about ms milliseconds later.
    virtual void finish(std::int32_t ms) = 0;
};
