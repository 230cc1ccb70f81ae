#pragma once
// Whether an operator is a carrier of the current algorithm, or receives its
// feedback: the voice operator page shows and enables operator controls by
// it. Shared by the condition sets that use it; the algorithm control must
// outlive them.
#include "conditions/Condition.h"

#include <cstdint>
#include <memory>

class AlgorithmControl;

class AlgorithmOperatorCondition : public Condition {
public:
    enum class Kind { carrier, feedbackDestination };

    // k counts operators from 0.
    AlgorithmOperatorCondition(AlgorithmControl& control, std::int32_t k, Kind kind);

    bool isTrue() const override;
    // Told whenever the algorithm parameter changes.
    void subscribe(ParameterListener& listener) override;

private:
    AlgorithmControl& control_;
    std::int32_t operatorIndex_;
    Kind kind_;
};

std::shared_ptr<Condition> makeFeedbackOperatorCondition(AlgorithmControl& control, std::int32_t k);
std::shared_ptr<Condition> makeCarrierOperatorCondition(AlgorithmControl& control, std::int32_t k);
