#include "xml/XmlElement.h"

#include "text/WxText.h"

#include <wx/xml/xml.h>

#include <charconv>
#include <string>

namespace {

constexpr char16_t pathSeparator = u'/';

// The names of an element path, empty segments dropped.
std::vector<wxString> pathNames(std::u16string_view path)
{
    std::vector<wxString> names;
    while (!path.empty()) {
        const std::size_t cut = path.find(pathSeparator);
        const std::u16string_view head = path.substr(0, cut);
        if (!head.empty())
            names.push_back(toWxString(RefString(head)));
        path = cut == std::u16string_view::npos ? std::u16string_view() : path.substr(cut + 1);
    }
    return names;
}

bool isElementNamed(const wxXmlNode* node, const wxString& name)
{
    return node->GetType() == wxXML_ELEMENT_NODE && node->GetName() == name;
}

// The toolkit's parent constructor puts a node first; new elements go last.
wxXmlNode* appendElement(wxXmlNode* parent, const wxString& name)
{
    auto* element = new wxXmlNode(wxXML_ELEMENT_NODE, name);
    parent->AddChild(element);
    return element;
}

wxXmlNode* findChild(wxXmlNode* parent, const wxString& name, bool create)
{
    for (wxXmlNode* node = parent->GetChildren(); node; node = node->GetNext())
        if (isElementNamed(node, name))
            return node;
    return create ? appendElement(parent, name) : nullptr;
}

wxXmlNode* lookUp(wxXmlNode* start, const std::vector<wxString>& names, bool create)
{
    wxXmlNode* node = start;
    for (const wxString& name : names) {
        if (!node)
            break;
        node = findChild(node, name, create);
    }
    return node;
}

wxXmlNode* lookUp(wxXmlNode* start, const RefString& path, bool create)
{
    return start ? lookUp(start, pathNames(path.view()), create) : nullptr;
}

// XML 1.0 has no way to write most control characters; one left in a text
// would make the whole file unreadable, so it becomes U+FFFD instead.
bool isXmlCharacter(wxUniChar c)
{
    const auto code = c.GetValue();
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code < 0xD800)
        || (code >= 0xE000 && code < 0xFFFE) || (code >= 0x10000 && code <= 0x10FFFF);
}

wxString xmlSafeText(const RefString& text)
{
    wxString safe = toWxString(text);
    for (wxString::iterator it = safe.begin(); it != safe.end(); ++it)
        if (!isXmlCharacter(*it))
            *it = wxUniChar(0xFFFD);
    return safe;
}

wxXmlNode* firstTextNode(const wxXmlNode* element)
{
    for (wxXmlNode* node = element->GetChildren(); node; node = node->GetNext())
        if (node->GetType() == wxXML_TEXT_NODE || node->GetType() == wxXML_CDATA_SECTION_NODE)
            return node;
    return nullptr;
}

// An attribute path split at its last "/" into element path and name.
struct AttributePath {
    RefString elementPath;
    wxString name;
};

AttributePath splitAttributePath(const RefString& attributePath)
{
    const std::u16string_view path = attributePath.view();
    const std::size_t cut = path.rfind(pathSeparator);
    if (cut == std::u16string_view::npos)
        return {RefString(), toWxString(attributePath)};
    return {RefString(path.substr(0, cut)), toWxString(RefString(path.substr(cut + 1)))};
}

// Plain decimal text only: no spaces, no "+", nothing after the digits.
bool parseInt32(const std::string& text, std::int32_t& value)
{
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    return error == std::errc() && end == last;
}

} // namespace

RefString XmlElement::name() const { return node_ ? fromWxString(node_->GetName()) : RefString(); }

XmlElement XmlElement::child(const RefString& path) const { return XmlElement(lookUp(node_, path, true)); }

std::vector<XmlElement> XmlElement::children(const RefString& path) const
{
    std::vector<XmlElement> found;
    const std::vector<wxString> names = pathNames(path.view());
    if (!node_ || names.empty())
        return found;
    wxXmlNode* first = lookUp(node_, names, false);
    for (wxXmlNode* node = first; node; node = node->GetNext())
        if (isElementNamed(node, names.back()))
            found.emplace_back(node);
    return found;
}

void XmlElement::removeChildren(const RefString& path) const
{
    const std::vector<wxString> names = pathNames(path.view());
    if (!node_ || names.empty())
        return;
    while (wxXmlNode* node = lookUp(node_, names, false)) {
        node->GetParent()->RemoveChild(node);
        delete node;
    }
}

XmlElement XmlElement::addChild(const RefString& path) const
{
    std::vector<wxString> names = pathNames(path.view());
    if (!node_ || names.empty())
        return XmlElement();
    const wxString last = names.back();
    names.pop_back();
    wxXmlNode* parent = lookUp(node_, names, true);
    return XmlElement(appendElement(parent, last));
}

RefString XmlElement::getAttribute(const RefString& attributePath, const RefString& defaultValue) const
{
    const AttributePath split = splitAttributePath(attributePath);
    const wxXmlNode* element = lookUp(node_, split.elementPath, false);
    wxString value;
    if (!element || split.name.empty() || !element->GetAttribute(split.name, &value))
        return defaultValue;
    return fromWxString(value);
}

std::int32_t XmlElement::getIntAttribute(const RefString& attributePath, std::int32_t defaultValue) const
{
    const RefString missing;
    const RefString text = getAttribute(attributePath, missing);
    std::int32_t value = 0;
    return parseInt32(text.toUtf8(), value) ? value : defaultValue;
}

void XmlElement::setAttribute(const RefString& attributePath, const RefString& value) const
{
    const AttributePath split = splitAttributePath(attributePath);
    wxXmlNode* element = lookUp(node_, split.elementPath, true);
    if (!element || split.name.empty())
        return;
    for (wxXmlAttribute* attribute = element->GetAttributes(); attribute; attribute = attribute->GetNext()) {
        if (attribute->GetName() == split.name) {
            attribute->SetValue(xmlSafeText(value));
            return;
        }
    }
    element->AddAttribute(split.name, xmlSafeText(value));
}

void XmlElement::setIntAttribute(const RefString& attributePath, std::int32_t value) const
{
    setAttribute(attributePath, RefString::fromNarrow(std::to_string(value).c_str()));
}

RefString XmlElement::getText(const RefString& path, const RefString& defaultValue) const
{
    const wxXmlNode* element = lookUp(node_, path, false);
    const wxXmlNode* text = element ? firstTextNode(element) : nullptr;
    return text ? fromWxString(text->GetContent()) : defaultValue;
}

void XmlElement::setText(const RefString& path, const RefString& text) const
{
    wxXmlNode* element = lookUp(node_, path, true);
    if (!element)
        return;
    wxXmlNode* textNode = firstTextNode(element);
    if (!textNode) {
        element->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxString(), xmlSafeText(text)));
        return;
    }
    // A CDATA section cannot hold every text ("]]>"), a plain text node can.
    textNode->SetType(wxXML_TEXT_NODE);
    textNode->SetContent(xmlSafeText(text));
}
