#include "labels/ValueLabels.h"

const RefString& ValueLabels::get(std::int32_t index) const
{
    return std::uint32_t(index) < count_ ? labels_[index] : emptyLabel();
}
