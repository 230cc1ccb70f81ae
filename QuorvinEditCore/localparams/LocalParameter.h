#pragma once
// A parameter whose value the editor keeps itself (switches of the control-set
// panel, the memory view's category filter, graph settings). Owned by its maker.
#include "params/Parameter.h"

class LocalParameter : public Parameter {
public:
    // The value starts at the minimum, or at the given value moved into range.
    LocalParameter(std::int32_t minimum, std::int32_t maximum);
    LocalParameter(std::int32_t minimum, std::int32_t maximum, std::int32_t value);

    std::int32_t getValue() const override { return value_; }
    // Stores on storeOwnValue or userAction; noValue stores nothing.
    void apply(std::uint32_t flags, std::int32_t value) override;

private:
    std::int32_t value_;
};
