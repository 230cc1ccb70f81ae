#include "controls/ControlCopyBuffer.h"

#include "controls/RoleAliasTable.h"
#include "params/Parameter.h"
#include "text/WxText.h"
#include "undo/CommandList.h"

#include <wx/intl.h>

#include <vector>

ControlCopyBuffer& ControlCopyBuffer::instance()
{
    static ControlCopyBuffer buffer;
    return buffer;
}

void ControlCopyBuffer::copy(const Roles& roles)
{
    values_.clear();
    for (const auto& [role, parameter] : roles)
        values_[role] = parameter->normalizedPosition();
}

const Rational* ControlCopyBuffer::lookUp(std::uint32_t role) const
{
    if (const auto found = values_.find(role); found != values_.end())
        return &found->second;
    for (const std::uint32_t alias : RoleAliasTable::aliasesOf(role))
        if (const auto found = values_.find(alias); found != values_.end())
            return &found->second;
    return nullptr;
}

bool ControlCopyBuffer::paste(const Roles& roles, std::uint32_t flags) const
{
    beginCommandGroup(fromWxString(_("paste")), flags);
    std::vector<Parameter*> notFound;
    bool anyFound = false;
    for (const auto& [role, parameter] : roles) {
        if (const Rational* position = lookUp(role)) {
            parameter->setNormalizedPosition(flags, *position);
            anyFound = true;
        } else {
            notFound.push_back(parameter);
        }
    }
    if (anyFound)
        for (Parameter* parameter : notFound)
            parameter->setValue(flags, parameter->defaultValue());
    endCommandGroup(flags);
    return anyFound;
}
