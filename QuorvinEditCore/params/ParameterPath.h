#pragma once
// Where a parameter sits on screen: page (panel), control group, control
// (widget), the control's line, and an index that tells apart controls of
// the same name. A plain value; copies share the names.
#include "text/RefString.h"

#include <cstdint>

class XmlElement;

struct ParameterPath {
    RefString panel;
    RefString group;
    RefString widget;
    RefString line;
    std::uint32_t index = 0;

    // False only when the four names and the index are all equal.
    static bool differs(const ParameterPath& a, const ParameterPath& b);
    // By panel, group, widget and line, the first differing name deciding;
    // then by index. A null and an empty name are equal.
    static bool less(const ParameterPath& a, const ParameterPath& b);

    // "panel group widget(ii) line"; empty when the widget name is.
    RefString text() const;
    // True when all four names are null handles (the index is not looked at).
    bool namesAreNull() const;

    // Attributes "panel", "group", "widget", "line" for the names that are
    // not empty, and "index" when it is not 0 (so a binding to the second
    // control of a name finds that control again).
    void writeXml(const XmlElement& element) const;
    // A missing name reads as empty; a missing index leaves the index as it was.
    void readXml(const XmlElement& element);
};
