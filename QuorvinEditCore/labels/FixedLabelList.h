#pragma once
// A label list of fixed capacity whose labels can be replaced in place, so
// every control showing it reads the new texts. It views an array that
// someone else keeps alive.
#include "labels/LabelList.h"

class FixedLabelList : public LabelList {
public:
    // No array: every label is empty and set changes nothing.
    FixedLabelList() = default;
    // Views the caller's array of capacity labels, all of them in use.
    FixedLabelList(RefString* labels, std::uint32_t capacity);

    // The index is compared unsigned, so a negative index is outside too.
    const RefString& get(std::int32_t index) const override;
    std::uint32_t count() const override { return count_; }

    // Replaces the label at an index in use; any other index changes nothing.
    void set(std::int32_t index, RefString label);
    // Shows only the first n labels; those beyond are kept. False, with
    // nothing changed, when n is above the capacity.
    bool setCount(std::uint32_t n);

private:
    bool holds(std::int32_t index) const;

    RefString* labels_ = nullptr;
    std::uint32_t capacity_ = 0;
    std::uint32_t count_ = 0;
};
