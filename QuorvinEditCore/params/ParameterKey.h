#pragma once
// A parameter's unique name: its on-screen path and its own name within the
// control. Orders the registry and names parameters in MIDI control sets.
#include "params/ParameterPath.h"

struct ParameterKey {
    ParameterPath path;
    RefString name;

    // True when the four path names and the name are null handles.
    bool isEmpty() const;
    // The path text, then a blank and the name; empty when the path text is.
    RefString text() const;

    // The path's attributes, then "name" when the name is not empty.
    void writeXml(const XmlElement& element) const;
    void readXml(const XmlElement& element);

    static bool less(const ParameterKey& a, const ParameterKey& b);
    friend bool operator<(const ParameterKey& a, const ParameterKey& b) { return less(a, b); }
};
