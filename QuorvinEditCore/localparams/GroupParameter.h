#pragma once
// A one-value switch over member parameters: it reads 1 while every member
// holds the reference value, and setting it sets every member. Its maker owns
// it; it owns none of its members and forgets any member that is destroyed.
#include "params/Parameter.h"
#include "params/ParameterListener.h"

#include <vector>

class GroupParameter : public Parameter, public ParameterListener {
public:
    // The range is the reference value alone, so every clamped write sets
    // the members to it.
    explicit GroupParameter(std::int32_t referenceValue);

    // Appends the member and listens to it.
    void addMember(Parameter* member);
    const std::vector<Parameter*>& members() const { return members_; }
    std::int32_t referenceValue() const { return referenceValue_; }

    // 1 when every member holds the reference value (also with no members).
    std::int32_t getValue() const override;
    // Sets each member, in order, with the caller's flags.
    void apply(std::uint32_t flags, std::int32_t value) override;
    // A notified change of a member is passed on to the group's own
    // listeners, so a button bound to the group redraws.
    void onParameterChanged(Parameter* member, std::uint32_t flags) override;
    void onParameterDestroyed(Parameter* member) override;

private:
    std::vector<Parameter*> members_;
    std::int32_t referenceValue_;
};
