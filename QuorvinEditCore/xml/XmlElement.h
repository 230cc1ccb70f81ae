#pragma once
// A copyable handle on one element of a toolkit XML document, through which
// the editor reads and writes its XML files by "/"-separated paths. It never
// owns its node: the document's root (XmlRootElement) does.
#include "text/RefString.h"

#include <cstdint>
#include <vector>

class wxXmlNode;

class XmlElement {
public:
    XmlElement() = default;
    explicit XmlElement(wxXmlNode* node) : node_(node) {}
    XmlElement(const XmlElement&) = default;
    XmlElement& operator=(const XmlElement&) = default;
    virtual ~XmlElement() = default;

    // A null handle stands for "no element": its getters give their
    // defaults, its setters do nothing and its lookups give null handles.
    bool isNull() const { return node_ == nullptr; }
    wxXmlNode* node() const { return node_; }
    RefString name() const;

    // Paths are element names joined by "/"; empty segments (a leading,
    // doubled or trailing "/") are skipped, so "" is this element itself.
    // Element names must be valid XML names: they are the program's own.

    // The element at the path, every missing element on it created.
    XmlElement child(const RefString& path) const;
    // The first element the path reaches and each later sibling of the same
    // name, in document order; empty when the path reaches nothing.
    std::vector<XmlElement> children(const RefString& path) const;
    // Deletes every element the path reaches.
    void removeChildren(const RefString& path) const;
    // Finds or creates the elements before the last name, then always
    // appends a new element with the last name.
    XmlElement addChild(const RefString& path) const;

    // Attribute paths: the text after the last "/" names the attribute, the
    // text before it the element ("CurrentPerformance/bank"). Getters create
    // nothing; setters create the element and the attribute when missing.
    RefString getAttribute(const RefString& attributePath, const RefString& defaultValue) const;
    // The default also when the text is not a whole base-10 number that
    // fits in 32 bits.
    std::int32_t getIntAttribute(const RefString& attributePath, std::int32_t defaultValue) const;
    void setAttribute(const RefString& attributePath, const RefString& value) const;
    void setIntAttribute(const RefString& attributePath, std::int32_t value) const;

    // The first text node directly inside the element at the path.
    RefString getText(const RefString& path, const RefString& defaultValue) const;
    void setText(const RefString& path, const RefString& text) const;

private:
    wxXmlNode* node_ = nullptr;
};
