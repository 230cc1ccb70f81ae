#include "localparams/LocalParameter.h"

#include <algorithm>

LocalParameter::LocalParameter(std::int32_t minimum, std::int32_t maximum)
    : LocalParameter(minimum, maximum, minimum)
{
}

LocalParameter::LocalParameter(std::int32_t minimum, std::int32_t maximum, std::int32_t value)
    : Parameter(minimum, maximum)
    , value_(std::max(minimum, std::min(value, maximum)))
{
}

void LocalParameter::apply(std::uint32_t flags, std::int32_t value)
{
    constexpr std::uint32_t storingFlags = SetValueFlag::storeOwnValue | SetValueFlag::userAction;
    if ((flags & storingFlags) != 0 && value != noValue)
        value_ = value;
}
