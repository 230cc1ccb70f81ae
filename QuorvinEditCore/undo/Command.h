#pragma once
// One undoable step: its name and the value changes it made, at most one
// per parameter. Owned by its CommandList; the parameters are not owned.
#include "text/RefString.h"

#include <cstdint>
#include <vector>

class Parameter;

struct Change {
    Parameter* parameter;
    std::int32_t oldValue;
    std::int32_t newValue;
    // The set-value flags the change was made with; undo and redo replay them.
    std::uint32_t flags;
    // When the parameter last changed within the command: redo sets the
    // new values in this order, so that bits two parameters share end as
    // the last change left them.
    std::uint64_t lastChange;
};

struct Command {
    RefString name;
    std::vector<Change> changes;

    Change* findChange(const Parameter* parameter);
    // Drops the changes of the parameter; true when any was dropped.
    bool forgetParameter(const Parameter* parameter);
};
