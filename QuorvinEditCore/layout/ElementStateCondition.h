#pragma once
// A condition that follows one state (shown or enabled) of a layout element,
// so that hiding or disabling a group hides or disables its controls. Shares
// the state, which therefore outlives every condition set holding this.
#include "conditions/Condition.h"

#include <memory>

class ObservableFlag;

class ElementStateCondition : public Condition {
public:
    explicit ElementStateCondition(std::shared_ptr<ObservableFlag> state);

    bool isTrue() const override;
    // Adds the listener to the state's listeners.
    void subscribe(ParameterListener& listener) override;

private:
    std::shared_ptr<ObservableFlag> state_;
};
