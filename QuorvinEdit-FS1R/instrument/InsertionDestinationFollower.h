#pragma once
// Keeps insertion destinations 1 to 14 of the shared destination list named
// after the current insertion effect type. Owned by the insertion effect
// block, which knows each type's page and which of its items are destinations.
#include "params/ParameterListener.h"
#include "text/RefString.h"

#include <cstdint>
#include <functional>
#include <vector>

class InsertionDestinationFollower : public ParameterListener {
public:
    // The labels of the items of a type's page (1 to 40) that are controller
    // destinations, in page order.
    using DestinationItems = std::function<std::vector<RefString>(std::int32_t type)>;

    // Listens to the insertion type parameter; the names change on its next
    // notification, so the pages may still be under construction.
    InsertionDestinationFollower(Parameter& insertionType, DestinationItems destinationItems);

    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;

private:
    DestinationItems destinationItems_;
};
