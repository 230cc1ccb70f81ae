#pragma once
// The root element of an XML document, detached from the document that read
// or made it. It owns its node and every descendant; whoever loads or makes
// the document owns the root (the application keeps the settings root).
#include "xml/XmlElement.h"

#include <memory>

class XmlRootElement : public XmlElement {
public:
    explicit XmlRootElement(std::unique_ptr<wxXmlNode> root);
    // A new root with the name and no attributes or content.
    static std::unique_ptr<XmlRootElement> create(const RefString& name);

    XmlRootElement(const XmlRootElement&) = delete;
    XmlRootElement& operator=(const XmlRootElement&) = delete;
    ~XmlRootElement() override;
};
