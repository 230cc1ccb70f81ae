#include "xml/XmlTextWriter.h"

namespace {

constexpr char declaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
// XML 1.0 cannot hold the other control characters at all, not even as
// references; a reader would refuse the whole file.
constexpr char replacementCharacter[] = "\xEF\xBF\xBD";

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
        case '\t': out += "&#9;"; break;
        case '\n': out += "&#10;"; break;
        case '\r': out += "&#13;"; break;
        default:
            if (std::uint8_t(c) < 0x20)
                out += replacementCharacter;
            else
                out += c;
        }
    }
}

} // namespace

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
    attributeText(name, value.toUtf8());
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
