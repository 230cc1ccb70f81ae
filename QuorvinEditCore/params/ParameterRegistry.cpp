#include "params/ParameterRegistry.h"

ParameterRegistry& ParameterRegistry::instance()
{
    // Never destroyed, so parameters that outlive static destruction can
    // still take their entries out.
    static ParameterRegistry* registry = new ParameterRegistry;
    return *registry;
}

Parameter* ParameterRegistry::find(const ParameterKey& key) const
{
    if (key.isEmpty())
        return nullptr;
    const auto entry = entries_.find(key);
    return entry == entries_.end() ? nullptr : entry->second;
}

bool ParameterRegistry::holds(const ParameterKey& key) const { return entries_.contains(key); }

bool ParameterRegistry::add(const ParameterKey& key, Parameter* parameter)
{
    if (key.isEmpty() || parameter == nullptr)
        return false;
    return entries_.emplace(key, parameter).second;
}

void ParameterRegistry::remove(const ParameterKey& key, const Parameter* parameter)
{
    const auto entry = entries_.find(key);
    if (entry != entries_.end() && entry->second == parameter)
        entries_.erase(entry);
}

Parameter* findParameter(const ParameterKey& key) { return ParameterRegistry::instance().find(key); }
