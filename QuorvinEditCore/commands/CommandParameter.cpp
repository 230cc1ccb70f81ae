#include "commands/CommandParameter.h"

CommandParameter::CommandParameter(std::uint32_t triggerFlags, std::int32_t maximum)
    : Parameter(0, maximum), triggerFlags_(triggerFlags)
{
}

void CommandParameter::apply(std::uint32_t flags, std::int32_t)
{
    if ((flags & triggerFlags_) != 0)
        run();
}
