#include "conditions/ConditionSet.h"

#include <algorithm>

void ConditionSet::addRequired(std::shared_ptr<Condition> condition) { add(required_, std::move(condition)); }

void ConditionSet::addAlternative(std::shared_ptr<Condition> condition)
{
    add(alternatives_, std::move(condition));
}

bool ConditionSet::evaluate() const
{
    const auto holds = [](const std::shared_ptr<Condition>& condition) { return condition->isTrue(); };
    if (!std::all_of(required_.begin(), required_.end(), holds))
        return false;
    return alternatives_.empty() || std::any_of(alternatives_.begin(), alternatives_.end(), holds);
}

void ConditionSet::add(std::vector<std::shared_ptr<Condition>>& list, std::shared_ptr<Condition> condition)
{
    if (condition == nullptr)
        return;
    list.push_back(std::move(condition));
    if (owner_ != nullptr)
        list.back()->subscribe(*owner_);
}
