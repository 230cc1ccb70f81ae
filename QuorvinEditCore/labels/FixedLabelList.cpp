#include "labels/FixedLabelList.h"

#include <utility>

FixedLabelList::FixedLabelList(RefString* labels, std::uint32_t capacity)
    : labels_(labels), capacity_(labels ? capacity : 0), count_(capacity_)
{
}

bool FixedLabelList::holds(std::int32_t index) const
{
    return labels_ != nullptr && std::uint32_t(index) < count_;
}

const RefString& FixedLabelList::get(std::int32_t index) const
{
    return holds(index) ? labels_[index] : emptyLabel();
}

void FixedLabelList::set(std::int32_t index, RefString label)
{
    if (holds(index))
        labels_[index] = std::move(label);
}

bool FixedLabelList::setCount(std::uint32_t n)
{
    if (n > capacity_)
        return false;
    count_ = n;
    return true;
}
