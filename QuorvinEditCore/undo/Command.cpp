#include "undo/Command.h"

#include <algorithm>

Change* Command::findChange(const Parameter* parameter)
{
    const auto found = std::find_if(changes.begin(), changes.end(),
        [parameter](const Change& change) { return change.parameter == parameter; });
    return found == changes.end() ? nullptr : &*found;
}

bool Command::forgetParameter(const Parameter* parameter)
{
    return std::erase_if(changes, [parameter](const Change& change) { return change.parameter == parameter; }) > 0;
}
