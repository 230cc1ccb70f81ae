#pragma once
// The program-wide map from key to parameter, through which a MIDI binding
// loaded from a file finds its parameter. Holds plain pointers; parameters
// take their own entry out when they are renamed or destroyed.
#include "params/ParameterKey.h"

#include <cstddef>
#include <map>

class Parameter;

class ParameterRegistry {
public:
    static ParameterRegistry& instance();

    // Null for an empty key or one that is not registered.
    Parameter* find(const ParameterKey& key) const;
    bool holds(const ParameterKey& key) const;
    // Enters the parameter unless the key is empty or already taken.
    bool add(const ParameterKey& key, Parameter* parameter);
    // Removes the entry under the key only when it holds this parameter, so
    // a parameter never evicts another one's entry.
    void remove(const ParameterKey& key, const Parameter* parameter);
    std::size_t size() const { return entries_.size(); }

private:
    ParameterRegistry() = default;
    std::map<ParameterKey, Parameter*> entries_;
};

Parameter* findParameter(const ParameterKey& key);
