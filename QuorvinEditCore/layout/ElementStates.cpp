#include "layout/ElementStates.h"

#include "layout/ElementStateCondition.h"
#include "localparams/ObservableFlag.h"

ElementStates::ElementStates()
    : shown_(std::make_shared<ObservableFlag>(true)),
      enabled_(std::make_shared<ObservableFlag>(true)),
      shownConditions_(this),
      enabledConditions_(this)
{
}

ElementStates::~ElementStates() = default;

bool ElementStates::isShown() const { return shown_->getState(); }

bool ElementStates::isEnabled() const { return enabled_->getState(); }

void ElementStates::setShown(bool shown)
{
    if (shown_->setState(shown))
        shownChanged();
}

void ElementStates::updateStates()
{
    enabled_->setState(enabledConditions_.evaluate());
    setShown(shownConditions_.evaluate());
}

std::shared_ptr<Condition> ElementStates::followShown() const
{
    return std::make_shared<ElementStateCondition>(shown_);
}

std::shared_ptr<Condition> ElementStates::followEnabled() const
{
    return std::make_shared<ElementStateCondition>(enabled_);
}

void ElementStates::onParameterChanged(Parameter* /*parameter*/, std::uint32_t /*flags*/) { updateStates(); }
