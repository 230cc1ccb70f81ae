#pragma once
// What a memory list model needs of the choice whose list it filters: show
// only the items whose label holds a text at a position. The performance
// header's voice selectors implement it; the model does not own them.
#include "text/RefString.h"

#include <cstddef>

class ChoiceItemFilter {
public:
    virtual ~ChoiceItemFilter() = default;

    // A null text shows every item again.
    virtual void setItemFilter(const RefString& text, std::size_t position) = 0;
};
