#include "gui/WaitPhases.h"

#include <algorithm>

void WaitPhases::reset()
{
    fullGaugeRemaining_ = -1;
    hardwareRemaining_ = -1;
}

void WaitPhases::finish(std::int32_t ms)
{
    // A negative time read as unsigned would leave the dialog up for ever.
    ms = std::max<std::int32_t>(ms, 0);
    fullGaugeRemaining_ = std::min(ms, fullGaugeMs);
    hardwareRemaining_ = ms - fullGaugeRemaining_;
}

WaitPhases::Step WaitPhases::tick()
{
    Step step;
    if (fullGaugeRemaining_ >= 0) {
        fullGaugeRemaining_ -= tickMs;
        step.hardwareWaitBegins = fullGaugeRemaining_ < 0;
    }
    // Counted down in the same tick that ends the first phase, so a finish
    // time of 500 ms or less hides together with the hardware notice.
    if (fullGaugeRemaining_ < 0 && hardwareRemaining_ >= 0) {
        hardwareRemaining_ -= tickMs;
        step.hide = hardwareRemaining_ < 0;
    }
    return step;
}
