#include "xml/XmlTextWriter.h"

#include <algorithm>

namespace {

constexpr char declaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

std::string utf8(std::u16string_view text) { return RefString(text).toUtf8(); }

void appendEscaped(std::string& out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        // Kept as references, since a reader turns them into spaces.
        case '\t': out += "&#x9;"; break;
        case '\n': out += "&#xA;"; break;
        case '\r': out += "&#xD;"; break;
        default: out += c;
        }
    }
}

// XML 1.0 cannot hold the other control characters at all, not even as
// references; a reader would refuse the whole file.
bool isStorable(char16_t c)
{
    return (c >= 0x20 && c != 0xFFFE && c != 0xFFFF) || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

RefString XmlTextWriter::storableText(const RefString& text)
{
    const std::u16string_view units = text.view();
    if (std::all_of(units.begin(), units.end(), isStorable))
        return text;
    std::u16string storable(units);
    std::replace_if(storable.begin(), storable.end(), [](char16_t c) { return !isStorable(c); }, u'\uFFFD');
    return RefString(storable);
}

XmlTextWriter::XmlTextWriter() : text_(declaration) {}

void XmlTextWriter::open(std::u16string_view name)
{
    endStartTag();
    text_.append(openElements_.size(), ' ');
    openElements_.push_back(utf8(name));
    text_ += '<';
    text_ += openElements_.back();
    inStartTag_ = true;
}

void XmlTextWriter::attribute(std::u16string_view name, const RefString& value)
{
    attributeText(name, storableText(value).toUtf8());
}

void XmlTextWriter::attribute(std::u16string_view name, std::uint32_t value)
{
    attributeText(name, std::to_string(value));
}

void XmlTextWriter::attributeText(std::u16string_view name, std::string_view value)
{
    text_ += ' ';
    text_ += utf8(name);
    text_ += "=\"";
    appendEscaped(text_, value);
    text_ += '"';
}

void XmlTextWriter::close()
{
    if (openElements_.empty())
        return;
    if (inStartTag_) {
        text_ += "/>\n";
        inStartTag_ = false;
    } else {
        text_.append(openElements_.size() - 1, ' ');
        text_ += "</" + openElements_.back() + ">\n";
    }
    openElements_.pop_back();
}

void XmlTextWriter::endStartTag()
{
    if (inStartTag_)
        text_ += ">\n";
    inStartTag_ = false;
}
