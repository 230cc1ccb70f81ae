#include "layout/ElementStateCondition.h"

#include "localparams/ObservableFlag.h"

ElementStateCondition::ElementStateCondition(std::shared_ptr<ObservableFlag> state) : state_(std::move(state)) {}

bool ElementStateCondition::isTrue() const { return state_->getState(); }

void ElementStateCondition::subscribe(ParameterListener& listener) { state_->listeners().add(&listener); }
