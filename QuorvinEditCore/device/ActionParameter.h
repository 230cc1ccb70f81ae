#pragma once
// A button parameter that runs its action whenever it is set, whatever the
// flags and the value; it holds no value and shows the action's text for
// every value. The device owns the four that open the control-set dialogs.
#include "device/ParameterAction.h"
#include "labels/ValueLabels.h"
#include "params/Parameter.h"

#include <memory>

class ActionParameter final : public Parameter {
public:
    // Without an action the parameter does nothing and shows no text.
    explicit ActionParameter(std::unique_ptr<ParameterAction> action);

    std::int32_t getValue() const override { return 0; }
    void apply(std::uint32_t flags, std::int32_t value) override;

private:
    std::unique_ptr<ParameterAction> action_;
    RefString text_;
    ValueLabels labels_;
};
