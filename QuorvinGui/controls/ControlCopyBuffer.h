#pragma once
// The controls' copy buffer (not the system clipboard): the copied control's
// values as fractions of their ranges, by role, so a paste lands in
// proportion on parameters of other ranges. One buffer serves the program.
#include "text/Rational.h"

#include <cstdint>
#include <map>

class Parameter;

class ControlCopyBuffer {
public:
    using Roles = std::map<std::uint32_t, Parameter*>;

    static ControlCopyBuffer& instance();

    // Replaces the buffer with the normalised values of every role.
    void copy(const Roles& roles);
    // One undo step "paste": each role found (or one of its aliases) takes
    // its value in proportion; when any was found, the roles not found go to
    // their defaults. False, and nothing set, when none was found.
    bool paste(const Roles& roles, std::uint32_t flags) const;

    const std::map<std::uint32_t, Rational>& values() const { return values_; }
    void clear() { values_.clear(); }

private:
    const Rational* lookUp(std::uint32_t role) const;

    std::map<std::uint32_t, Rational> values_;
};
