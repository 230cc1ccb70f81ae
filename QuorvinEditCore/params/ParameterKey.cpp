#include "params/ParameterKey.h"

#include "xml/XmlElement.h"

namespace {

const RefString nameAttribute(u"name");

} // namespace

bool ParameterKey::isEmpty() const { return path.namesAreNull() && name.isNull(); }

RefString ParameterKey::text() const
{
    RefString pathText = path.text();
    if (pathText.isEmpty() || name.isEmpty())
        return pathText;
    return RefString::concat(RefString::concat(pathText, RefString(u" ")), name);
}

bool ParameterKey::less(const ParameterKey& a, const ParameterKey& b)
{
    if (ParameterPath::less(a.path, b.path))
        return true;
    if (ParameterPath::less(b.path, a.path))
        return false;
    return RefString::lessThan(a.name, b.name);
}

void ParameterKey::writeXml(const XmlElement& element) const
{
    path.writeXml(element);
    if (!name.isEmpty())
        element.setAttribute(nameAttribute, name);
}

void ParameterKey::readXml(const XmlElement& element)
{
    path.readXml(element);
    name = element.getAttribute(nameAttribute, RefString());
}
