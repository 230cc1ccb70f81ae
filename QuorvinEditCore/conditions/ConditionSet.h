#pragma once
// The conditions that decide one state of a control or layout element: all
// of the required ones, and at least one alternative when there are any.
// Lives and dies with its owner, which it subscribes to every condition.
#include "conditions/Condition.h"

#include <memory>
#include <vector>

class ParameterListener;

class ConditionSet {
public:
    // A set without owner subscribes nobody.
    explicit ConditionSet(ParameterListener* owner = nullptr) : owner_(owner) {}
    ConditionSet(const ConditionSet&) = delete;
    ConditionSet& operator=(const ConditionSet&) = delete;

    void addRequired(std::shared_ptr<Condition> condition);
    void addAlternative(std::shared_ptr<Condition> condition);

    // Required conditions in order, the first false one ending the test;
    // then true when there are no alternatives or one of them holds. An
    // empty set is true. The owner calls this again when told of a change.
    bool evaluate() const;

private:
    void add(std::vector<std::shared_ptr<Condition>>& list, std::shared_ptr<Condition> condition);

    ParameterListener* owner_;
    std::vector<std::shared_ptr<Condition>> required_;
    std::vector<std::shared_ptr<Condition>> alternatives_;
};
