#include "device/ActionParameter.h"

#include <utility>

ActionParameter::ActionParameter(std::unique_ptr<ParameterAction> action)
    : Parameter(0, 0), action_(std::move(action)), text_(action_ ? action_->text() : RefString()),
      labels_(&text_, 1)
{
    setValueLabels(&labels_);
}

void ActionParameter::apply(std::uint32_t, std::int32_t)
{
    if (action_)
        action_->run();
}
