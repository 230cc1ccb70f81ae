#include "controls/AlgorithmOperatorCondition.h"

#include "controls/AlgorithmControl.h"

AlgorithmOperatorCondition::AlgorithmOperatorCondition(AlgorithmControl& control, std::int32_t k, Kind kind)
    : control_(control), operatorIndex_(k), kind_(kind)
{
}

bool AlgorithmOperatorCondition::isTrue() const
{
    return kind_ == Kind::carrier ? control_.isCarrier(operatorIndex_) : control_.receivesFeedback(operatorIndex_);
}

void AlgorithmOperatorCondition::subscribe(ParameterListener& listener) { control_.subscribe(listener); }

std::shared_ptr<Condition> makeFeedbackOperatorCondition(AlgorithmControl& control, std::int32_t k)
{
    return std::make_shared<AlgorithmOperatorCondition>(control, k,
        AlgorithmOperatorCondition::Kind::feedbackDestination);
}

std::shared_ptr<Condition> makeCarrierOperatorCondition(AlgorithmControl& control, std::int32_t k)
{
    return std::make_shared<AlgorithmOperatorCondition>(control, k, AlgorithmOperatorCondition::Kind::carrier);
}
