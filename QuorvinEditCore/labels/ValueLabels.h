#pragma once
// A label list viewing an array of labels that someone else keeps alive.
#include "labels/LabelList.h"

class ValueLabels : public LabelList {
public:
    ValueLabels() = default;
    ValueLabels(const RefString* labels, std::uint32_t count) : labels_(labels), count_(count) {}

    // The index is compared unsigned, so a negative index is outside too.
    const RefString& get(std::int32_t index) const override;
    std::uint32_t count() const override { return count_; }

private:
    const RefString* labels_ = nullptr;
    std::uint32_t count_ = 0;
};
