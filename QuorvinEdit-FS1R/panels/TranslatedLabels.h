#pragma once
// A value-label list whose entries are translated once, when it is made;
// the voice page's shared lists are function statics of this type.
#include "labels/ValueLabels.h"
#include "text/RefString.h"

#include <initializer_list>
#include <vector>

class TranslatedLabels {
public:
    // Texts marked untranslated stay as written.
    TranslatedLabels(std::initializer_list<const char*> texts, std::initializer_list<const char*> untranslated = {});
    TranslatedLabels(const TranslatedLabels&) = delete;
    TranslatedLabels& operator=(const TranslatedLabels&) = delete;

    const ValueLabels* list() const { return &list_; }

private:
    std::vector<RefString> labels_;
    ValueLabels list_;
};
