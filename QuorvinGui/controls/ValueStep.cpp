#include "controls/ValueStep.h"

#include "params/Parameter.h"

void stepValue(Parameter& parameter, bool upward, std::uint32_t flags)
{
    if (upward) {
        parameter.stepUp(flags);
        return;
    }
    std::int64_t next = std::int64_t(parameter.getValue()) - 1;
    if (next == parameter.excludedValue())
        --next;
    if (next < parameter.allowedMinimum())
        next = parameter.allowedMaximum();
    parameter.setValue(flags, std::int32_t(next));
}
