#include "instrument/InsertionDestinationFollower.h"

#include "instrument/Fs1rDestinationLabels.h"
#include "params/Parameter.h"

#include <utility>

namespace {

// "No effect" names no destination.
constexpr std::int32_t noEffect = 0;

} // namespace

InsertionDestinationFollower::InsertionDestinationFollower(Parameter& insertionType, DestinationItems destinationItems)
    : destinationItems_(std::move(destinationItems))
{
    insertionType.addListener(this);
}

void InsertionDestinationFollower::onParameterChanged(Parameter* parameter, std::uint32_t /*flags*/)
{
    if (!parameter)
        return;
    const std::int32_t type = parameter->getValue();
    setInsertionDestinations(type == noEffect ? std::vector<RefString>{} : destinationItems_(type));
}
