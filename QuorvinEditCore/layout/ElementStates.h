#pragma once
// The shown and enabled states of a layout element: each follows its own
// condition set, and the element's controls follow them in turn through
// element-state conditions. Part of the element that owns it.
#include "conditions/ConditionSet.h"
#include "params/ParameterListener.h"

#include <cstdint>
#include <memory>

class Condition;
class ObservableFlag;

class ElementStates : public ParameterListener {
public:
    ElementStates();
    ElementStates(const ElementStates&) = delete;
    ElementStates& operator=(const ElementStates&) = delete;
    ~ElementStates() override;

    bool isShown() const;
    bool isEnabled() const;
    // Stores the shown state, telling its listeners only of a change.
    void setShown(bool shown);
    // Evaluates the enabled conditions, then the shown ones, storing and
    // telling each state that changed.
    void updateStates();

    // Both sets report to this element.
    ConditionSet& shownConditions() { return shownConditions_; }
    ConditionSet& enabledConditions() { return enabledConditions_; }
    // New conditions that follow the states, for the element's controls.
    std::shared_ptr<Condition> followShown() const;
    std::shared_ptr<Condition> followEnabled() const;

protected:
    // Called after the shown state changed and its listeners were told.
    virtual void shownChanged() {}

private:
    // A source of the conditions changed.
    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;

    // Shared with the conditions that follow them.
    std::shared_ptr<ObservableFlag> shown_;
    std::shared_ptr<ObservableFlag> enabled_;
    ConditionSet shownConditions_;
    ConditionSet enabledConditions_;
};
