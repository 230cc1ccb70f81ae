#include "xml/XmlRootElement.h"

#include "text/WxText.h"

#include <wx/xml/xml.h>

XmlRootElement::XmlRootElement(std::unique_ptr<wxXmlNode> root) : XmlElement(root.release()) {}

std::unique_ptr<XmlRootElement> XmlRootElement::create(const RefString& name)
{
    return std::make_unique<XmlRootElement>(std::make_unique<wxXmlNode>(wxXML_ELEMENT_NODE, toWxString(name)));
}

XmlRootElement::~XmlRootElement() { delete node(); }
