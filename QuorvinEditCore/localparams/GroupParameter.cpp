#include "localparams/GroupParameter.h"

#include <algorithm>

GroupParameter::GroupParameter(std::int32_t referenceValue)
    : Parameter(referenceValue, referenceValue)
    , referenceValue_(referenceValue)
{
}

void GroupParameter::addMember(Parameter* member)
{
    if (member == nullptr)
        return;
    members_.push_back(member);
    member->addListener(this);
}

std::int32_t GroupParameter::getValue() const
{
    const bool allHoldReference = std::all_of(members_.begin(), members_.end(),
        [this](const Parameter* member) { return member->getValue() == referenceValue_; });
    return allHoldReference ? 1 : 0;
}

void GroupParameter::apply(std::uint32_t flags, std::int32_t value)
{
    // By index: a member's listeners may add members while it is set.
    for (std::size_t i = 0; i < members_.size(); ++i)
        members_[i]->setValue(flags, value);
}

void GroupParameter::onParameterChanged(Parameter* /*member*/, std::uint32_t flags)
{
    if ((flags & SetValueFlag::notify) != 0)
        notifyListeners(flags);
}

void GroupParameter::onParameterDestroyed(Parameter* member) { std::erase(members_, member); }
