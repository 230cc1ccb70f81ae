#pragma once
// Test kinds of parameter and listener: a parameter that keeps its value in a
// field and logs what reaches apply, and a listener that logs what it hears.
#include "params/Parameter.h"
#include "params/ParameterListener.h"

#include <string>
#include <vector>

// Shared by the fakes of one test, so the order of steps can be checked.
using EventLog = std::vector<std::string>;

class FakeParameter : public Parameter {
public:
    struct Applied {
        std::uint32_t flags;
        std::int32_t value;
    };

    FakeParameter(std::int32_t minimum, std::int32_t maximum, std::string label = "p", EventLog* log = nullptr)
        : Parameter(minimum, maximum), label_(std::move(label)), log_(log), value_(minimum)
    {
    }

    std::int32_t getValue() const override { return value_; }

    void apply(std::uint32_t flags, std::int32_t value) override
    {
        applied.push_back({flags, value});
        if ((flags & SetValueFlag::sendToInstrument) != 0)
            ++sends;
        if (value != noValue)
            value_ = value;
        if (log_ != nullptr)
            log_->push_back("apply " + label_ + " " + std::to_string(value));
    }

    // Sets the stored value behind the pipeline's back.
    void force(std::int32_t value) { value_ = value; }
    const Applied& lastApplied() const { return applied.back(); }

    std::vector<Applied> applied;
    int sends = 0;

private:
    std::string label_;
    EventLog* log_;
    std::int32_t value_;
};

class RecordingListener : public ParameterListener {
public:
    struct Heard {
        Parameter* parameter;
        std::uint32_t flags;
    };

    explicit RecordingListener(std::string label = "l", EventLog* log = nullptr)
        : label_(std::move(label)), log_(log)
    {
    }

    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override
    {
        heard.push_back({parameter, flags});
        if (log_ != nullptr)
            log_->push_back("notify " + label_);
    }

    std::vector<Heard> heard;

private:
    std::string label_;
    EventLog* log_;
};
