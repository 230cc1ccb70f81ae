#include "undo/ChangeStep.h"

#include "params/Parameter.h"
#include "undo/CommandList.h"

namespace {

const ChangeStep* innermost = nullptr;

} // namespace

ChangeStep::ChangeStep(Parameter& parameter, std::uint32_t flags, std::int32_t value) : parameter_(parameter)
{
    if (parameter.commandList() == nullptr || value == Parameter::noValue
        || (flags & SetValueFlag::doNotRecord) != 0)
        return;
    list_ = parameter.commandList();
    closesCommand_ = !list_->ownCommandOpen();
    outer_ = innermost;
    innermost = this;
}

ChangeStep::~ChangeStep()
{
    if (list_ == nullptr)
        return;
    innermost = outer_;
    // The pipeline may have taken the page, and its list, away.
    if (closesCommand_ && isCommandListAlive(list_))
        list_->endStandaloneChange();
}

const ChangeStep* ChangeStep::current() { return innermost; }
