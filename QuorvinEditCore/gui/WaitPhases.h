#pragma once
// The wait dialog's closing countdown, apart from its windows: after the
// last byte the gauge stays full for up to half a second, then the dialog
// says it waits for the hardware until the rest of the finish time has run
// out. Owned by the dialog, which calls tick every tickMs.
#include <cstdint>

class WaitPhases {
public:
    static constexpr std::int32_t tickMs = 20;
    static constexpr std::int32_t fullGaugeMs = 500;

    struct Step {
        // The full-gauge phase ended: time to say the hardware is working.
        bool hardwareWaitBegins = false;
        // The finish time has run out: time to hide.
        bool hide = false;
    };

    // Back to idle; a new wait must not close on an earlier wait's countdown.
    void reset();
    // Starts the countdown over ms milliseconds; a negative time counts as 0.
    void finish(std::int32_t ms);
    Step tick();
    bool idle() const { return fullGaugeRemaining_ < 0 && hardwareRemaining_ < 0; }

private:
    std::int32_t fullGaugeRemaining_ = -1;
    std::int32_t hardwareRemaining_ = -1;
};
