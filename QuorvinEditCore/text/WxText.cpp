#include "text/WxText.h"

// UTF-8 is the common ground: it carries every code point, so surrogate
// pairs survive both ways whatever the toolkit's internal width.
wxString toWxString(const RefString& text) { return wxString::FromUTF8(text.toUtf8()); }

RefString fromWxString(const wxString& text)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return RefString::fromUtf8(std::string_view(utf8.data(), utf8.length()));
}
