#include "layout/TextBlock.h"

#include <algorithm>

TextBlock::TextBlock(const RefString& text, const Measure& measure) : text_(text)
{
    std::u16string_view rest = text_.view();
    for (;;) {
        const std::size_t end = rest.find(u'\n');
        lines_.push_back(rest.substr(0, end));
        if (end == std::u16string_view::npos)
            break;
        rest.remove_prefix(end + 1); // the piece after a final line feed counts too
    }
    for (std::u16string_view line : lines_) {
        const LayoutSize extent = measure(line);
        naturalWidth_ = std::max(naturalWidth_, extent.width);
        lineHeight_ = std::max(lineHeight_, extent.height);
    }
}

LayoutRect TextBlock::box(LayoutPoint origin, int boxWidth) const
{
    return {origin.x, origin.y, boxWidthOr(boxWidth), lineCount() * lineHeight_};
}

LayoutPoint TextBlock::lineStart(LayoutPoint origin, int boxWidth, int line) const
{
    return {origin.x + boxWidthOr(boxWidth) - naturalWidth_, origin.y + line * lineHeight_};
}
