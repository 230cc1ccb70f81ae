#pragma once
// Stands before a parameter's changes: a change it refuses does not happen
// at all, so the parameter, its dependents and the instrument keep what they
// hold. The parameter does not own it.
#include <cstdint>

class ChangeGuard {
public:
    virtual ~ChangeGuard() = default;

    // Asked at the start of every set-value call with its flags.
    virtual bool allowsChange(std::uint32_t flags) = 0;
    // Asked before an undo or redo sets the value again, with the flags the
    // change was made with: the replay itself is not the user's edit, but
    // what it runs again is the user's doing.
    virtual bool allowsReplay(std::uint32_t flags) = 0;
};
