#pragma once
// A change that its parameter's history records, for as long as its
// set-value pipeline runs. What the change passes on to parameters of any
// page (a linked parameter, a twin that takes over what is sent, a value
// pulled into a narrowed range) goes into the same step of the same history:
// one undo there gives all of it back, once, and no other page's history
// holds a part of it to undo apart. GUI thread only, as all recording is.
#include <cstdint>

class CommandList;
class Parameter;

class ChangeStep {
public:
    // Becomes the current step only for a change its parameter records.
    ChangeStep(Parameter& parameter, std::uint32_t flags, std::int32_t value);
    ~ChangeStep();
    ChangeStep(const ChangeStep&) = delete;
    ChangeStep& operator=(const ChangeStep&) = delete;

    // The innermost step under way; null when none is.
    static const ChangeStep* current();

    CommandList& list() const { return *list_; }
    const Parameter& parameter() const { return parameter_; }

private:
    const Parameter& parameter_;
    CommandList* list_ = nullptr;
    const ChangeStep* outer_ = nullptr;
    // A command that this step opens outside any group closes with it.
    bool closesCommand_ = false;
};
