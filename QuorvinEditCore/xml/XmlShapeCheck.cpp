#include "xml/XmlShapeCheck.h"

namespace {

constexpr std::size_t notFound = std::string_view::npos;

// Markup that holds no elements and ends at the first terminator after its
// opening, as the parser reads it ("<!-->" does not close the comment).
struct Construct {
    std::string_view opening;
    std::string_view terminator;
};
constexpr Construct skippedConstructs[] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};

// The position after the skipped construct at `at`, notFound when it is not
// closed, or `at` itself when none starts there.
std::size_t skipConstruct(std::string_view text, std::size_t at)
{
    for (const Construct& construct : skippedConstructs) {
        if (text.substr(at, construct.opening.size()) != construct.opening)
            continue;
        const std::size_t end = text.find(construct.terminator, at + construct.opening.size());
        return end == notFound ? notFound : end + construct.terminator.size();
    }
    return at;
}

// The closing ">" of a tag, skipping quoted attribute values, which may
// hold ">" and "/".
std::size_t findTagEnd(std::string_view text, std::size_t from)
{
    char quote = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i;
        }
    }
    return notFound;
}

} // namespace

std::string findXmlShapeProblem(std::string_view bytes)
{
    // Every encoding that could hide markup from this byte scan (UTF-16,
    // UTF-32) holds NUL bytes, and XML text never does.
    if (bytes.find('\0') != notFound)
        return "it holds NUL bytes, so it is not UTF-8 text";
    int depth = 0;
    std::size_t at = bytes.find('<');
    while (at != notFound) {
        std::size_t next = skipConstruct(bytes, at);
        if (next == at) {
            if (bytes.substr(at, 2) == "<!")
                return "it holds a document type declaration";
            const std::size_t end = findTagEnd(bytes, at + 1);
            if (end == notFound)
                break;
            if (bytes[at + 1] == '/')
                depth = depth > 0 ? depth - 1 : 0;
            else if (bytes[end - 1] != '/' && ++depth > maxXmlDepth)
                return "its elements nest more than " + std::to_string(maxXmlDepth) + " deep";
            next = end + 1;
        }
        at = next == notFound ? notFound : bytes.find('<', next);
    }
    return {};
}
