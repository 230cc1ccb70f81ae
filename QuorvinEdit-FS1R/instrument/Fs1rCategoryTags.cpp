#include "instrument/Fs1rCategoryTags.h"

RefString categoryTag(std::uint32_t category)
{
    if (category >= categoryTags.size())
        return {};
    const std::string_view tag = categoryTags[category];
    return RefString::fromNarrow(tag.data(), std::ptrdiff_t(tag.size()));
}
