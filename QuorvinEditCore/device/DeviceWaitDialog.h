#pragma once
// The wait dialog as the device drives it: started with a message when the
// device asks the instrument for something, moved and finished by the MIDI
// interface. The GUI implements it; the device owns it.
#include "device/WaitProgress.h"
#include "text/RefString.h"

#include <cstdint>

class DeviceWaitDialog : public WaitProgress {
public:
    // The gauge pulses: how much is still to come is not known.
    static constexpr std::int32_t noTotal = -1;

    // Shows the message with an empty gauge whose range is total, or a
    // pulsing gauge for noTotal.
    virtual void start(const RefString& message, std::int32_t total) = 0;
    // Shows the message with a gauge over totalMs and lets that time pass
    // while the GUI keeps dispatching and the gauge moves (a worker counts
    // the time and touches no window), then finishes over finishMs. Returns
    // when the time has passed. GUI thread only.
    virtual void runTimedWait(const RefString& message, std::int32_t totalMs, std::int32_t finishMs) = 0;
};
