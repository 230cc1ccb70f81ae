#include "panels/TranslatedLabels.h"

#include "text/WxText.h"

#include <wx/intl.h>

#include <algorithm>
#include <cstring>

TranslatedLabels::TranslatedLabels(std::initializer_list<const char*> texts,
    std::initializer_list<const char*> untranslated)
{
    for (const char* text : texts) {
        const bool keepsText = std::any_of(untranslated.begin(), untranslated.end(),
            [text](const char* other) { return std::strcmp(text, other) == 0; });
        const wxString english = wxString::FromUTF8(text);
        labels_.push_back(fromWxString(keepsText ? english : wxGetTranslation(english)));
    }
    list_ = ValueLabels(labels_.data(), static_cast<std::uint32_t>(labels_.size()));
}
