#include "panels/SentValueLink.h"

#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "undo/CommandList.h"

SentValueLink::SentValueLink(Parameter& source, Parameter& target) : source_(&source), target_(&target)
{
    source_->addListener(this);
    target_->addListener(this);
}

SentValueLink::~SentValueLink()
{
    if (source_)
        source_->removeListener(this);
    if (target_)
        target_->removeListener(this);
}

void SentValueLink::onParameterChanged(Parameter* parameter, std::uint32_t flags)
{
    // An undo or redo puts the twin back as the step recorded it.
    if (parameter != source_ || !target_ || (flags & SetValueFlag::sendToInstrument) == 0
        || CommandList::replaying())
        return;
    // A load tells its listeners without storing; the twin stores all the same.
    target_->setValue(flags | SetValueFlag::doNotRecord | SetValueFlag::storeBoundData, source_->getValue());
}

// Both go with the factory; whichever goes first leaves the link dead.
void SentValueLink::onParameterDestroyed(Parameter* parameter)
{
    if (parameter == source_ || parameter == target_) {
        if (Parameter* other = parameter == source_ ? target_ : source_)
            other->removeListener(this);
        source_ = nullptr;
        target_ = nullptr;
    }
}
