#include "conditions/ParameterRangeLinkBase.h"

#include "params/Parameter.h"

#include <algorithm>

void ParameterRangeLinkBase::addTarget(Parameter* target)
{
    if (target == nullptr)
        return;
    targets_.push_back(target);
    target->addListener(this);
}

void ParameterRangeLinkBase::onParameterDestroyed(Parameter* parameter) { std::erase(targets_, parameter); }

void ParameterRangeLinkBase::destroyAll() { allLinks().clear(); }

std::size_t ParameterRangeLinkBase::count() { return allLinks().size(); }

std::vector<std::unique_ptr<ParameterRangeLinkBase>>& ParameterRangeLinkBase::allLinks()
{
    static std::vector<std::unique_ptr<ParameterRangeLinkBase>> links;
    return links;
}
