#include "conditions/ValueRangeCondition.h"

#include "params/Parameter.h"

ValueRangeCondition::ValueRangeCondition(Parameter* source, std::int32_t low, std::int32_t high)
    : source_(source)
    , low_(low)
    , high_(high)
{
    if (source_ != nullptr)
        source_->addListener(this);
}

bool ValueRangeCondition::isTrue() const
{
    if (source_ == nullptr)
        return false;
    const std::int32_t value = source_->getValue();
    return low_ <= value && value <= high_;
}

void ValueRangeCondition::subscribe(ParameterListener& listener)
{
    if (source_ != nullptr)
        source_->addListener(&listener);
}

void ValueRangeCondition::onParameterDestroyed(Parameter* parameter)
{
    if (parameter == source_)
        source_ = nullptr;
}
