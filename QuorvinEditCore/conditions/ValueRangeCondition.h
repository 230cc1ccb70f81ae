#pragma once
// True while a source parameter's value lies in [low, high], both ends
// included. Watches its source so that a destroyed source leaves it false
// instead of dangling.
#include "conditions/Condition.h"
#include "params/ParameterListener.h"

#include <cstdint>

class Parameter;

class ValueRangeCondition : public Condition, private ParameterListener {
public:
    ValueRangeCondition(Parameter* source, std::int32_t low, std::int32_t high);

    bool isTrue() const override;
    // Adds the listener to the source's listeners.
    void subscribe(ParameterListener& listener) override;

private:
    void onParameterChanged(Parameter* /*parameter*/, std::uint32_t /*flags*/) override {}
    void onParameterDestroyed(Parameter* parameter) override;

    Parameter* source_;
    std::int32_t low_;
    std::int32_t high_;
};
