#pragma once
// A numbered list of labels that parameters and controls show for their
// values. Holders never own the list.
#include "text/RefString.h"

#include <cstdint>

class LabelList {
public:
    virtual ~LabelList() = default;
    // The label at index, or the shared empty label outside the list.
    virtual const RefString& get(std::int32_t index) const = 0;
    virtual std::uint32_t count() const = 0;

    // The one empty label every list returns outside its range.
    static const RefString& emptyLabel();
};
