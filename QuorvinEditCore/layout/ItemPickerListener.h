#pragma once
// Receives the choice an item picker makes.
#include <cstdint>

class ItemPickerListener {
public:
    virtual ~ItemPickerListener() = default;
    // index -1 cancels.
    virtual void choose(std::int32_t index) = 0;
    // The index chosen before the picker opened, or -1.
    virtual std::int32_t currentIndex() const = 0;
};
