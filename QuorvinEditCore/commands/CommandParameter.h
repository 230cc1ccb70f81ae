#pragma once
// The base of the editor's button parameters: it holds no value and runs its
// command only when a set-value call carries its trigger bit, so building a
// page or receiving data never starts one by accident. Whoever makes one owns
// it; the objects its command acts on must outlive it.
#include "params/Parameter.h"

#include <cstdint>

class CommandParameter : public Parameter {
public:
    // triggerFlags: the set-value bit (or bits, any of which) that runs the
    // command. A range of one value keeps every press out of the undo
    // history: old and new values are always equal.
    explicit CommandParameter(std::uint32_t triggerFlags, std::int32_t maximum = 0);

    std::int32_t getValue() const override { return 0; }
    // The value is ignored.
    void apply(std::uint32_t flags, std::int32_t value) override;

    std::uint32_t triggerFlags() const { return triggerFlags_; }

protected:
    virtual void run() = 0;

private:
    const std::uint32_t triggerFlags_;
};
