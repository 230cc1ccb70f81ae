#pragma once
// Writes XML text straight from the program's strings, element by element,
// without building a document first: for large files written often, such as
// a patch cache index. The text is what the toolkit's writer gives with an
// indentation of one: the declaration, one element a line, an element
// without children closed at once.
#include "text/RefString.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class XmlTextWriter {
public:
    XmlTextWriter();

    // The text with every character that an XML file cannot hold (most
    // control characters) replaced by U+FFFD, so it reads back as it is.
    static RefString storableText(const RefString& text);

    // Starts an element inside the one open now (or the root).
    void open(std::u16string_view name);
    // Adds an attribute to the element just opened, before any child.
    void attribute(std::u16string_view name, const RefString& value);
    void attribute(std::u16string_view name, std::uint32_t value);
    // Ends the innermost open element.
    void close();
    // The document so far; whole once every element is closed.
    const std::string& text() const { return text_; }

private:
    void attributeText(std::u16string_view name, std::string_view value);
    void endStartTag();

    std::string text_;
    std::vector<std::string> openElements_;
    bool inStartTag_ = false;
};
