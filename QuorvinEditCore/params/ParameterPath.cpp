#include "params/ParameterPath.h"

#include "xml/XmlElement.h"

#include <array>

namespace {

constexpr std::uint32_t indexDigits = 2;
constexpr std::array<const char16_t*, 4> nameAttributes{u"panel", u"group", u"widget", u"line"};
const RefString indexAttribute(u"index");

std::array<const RefString*, 4> namesOf(const ParameterPath& path)
{
    return {&path.panel, &path.group, &path.widget, &path.line};
}

std::array<RefString*, 4> namesOf(ParameterPath& path) { return {&path.panel, &path.group, &path.widget, &path.line}; }

// At least two digits; longer indexes keep all of theirs.
RefString indexText(std::uint32_t index)
{
    RefString digits = RefString::fromInt(index);
    if (digits.length() < indexDigits)
        digits = concatString(u"0", digits);
    return digits;
}

} // namespace

bool ParameterPath::differs(const ParameterPath& a, const ParameterPath& b)
{
    const auto namesA = namesOf(a);
    const auto namesB = namesOf(b);
    for (std::size_t i = 0; i < namesA.size(); ++i) {
        if (!RefString::equals(*namesA[i], *namesB[i]))
            return true;
    }
    return a.index != b.index;
}

bool ParameterPath::less(const ParameterPath& a, const ParameterPath& b)
{
    const auto namesA = namesOf(a);
    const auto namesB = namesOf(b);
    for (std::size_t i = 0; i < namesA.size(); ++i) {
        if (!RefString::equals(*namesA[i], *namesB[i]))
            return RefString::lessThan(*namesA[i], *namesB[i]);
    }
    return a.index < b.index;
}

RefString ParameterPath::text() const
{
    if (widget.isEmpty())
        return RefString(u"", 0);
    std::u16string text;
    text.append(panel.view()).append(u" ").append(group.view()).append(u" ").append(widget.view());
    if (index != 0)
        text.append(u"(").append(indexText(index).view()).append(u")");
    if (!line.isEmpty())
        text.append(u" ").append(line.view());
    return RefString(text);
}

bool ParameterPath::namesAreNull() const
{
    return panel.isNull() && group.isNull() && widget.isNull() && line.isNull();
}

void ParameterPath::writeXml(const XmlElement& element) const
{
    const auto names = namesOf(*this);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!names[i]->isEmpty())
            element.setAttribute(RefString(nameAttributes[i]), *names[i]);
    }
    if (index != 0)
        element.setAttribute(indexAttribute, RefString::fromInt(index));
}

void ParameterPath::readXml(const XmlElement& element)
{
    const auto names = namesOf(*this);
    for (std::size_t i = 0; i < names.size(); ++i)
        *names[i] = element.getAttribute(RefString(nameAttributes[i]), RefString());
    const std::int32_t storedIndex = element.getIntAttribute(indexAttribute, -1);
    if (storedIndex >= 0)
        index = std::uint32_t(storedIndex);
}
