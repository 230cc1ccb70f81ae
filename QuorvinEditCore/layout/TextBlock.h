#pragma once
// A caption's text cut into lines at each line feed and measured: as wide as
// its widest line, every line as high as the tallest. The lines are drawn
// left-aligned among themselves, the block right-aligned in its box.
#include "layout/LayoutGeometry.h"
#include "text/RefString.h"

#include <functional>
#include <string_view>
#include <vector>

class TextBlock {
public:
    // Measures one line, which holds no line feed, in the caption's font.
    using Measure = std::function<LayoutSize(std::u16string_view line)>;
    // A box width that stands for the natural width.
    static constexpr int naturalBox = -1;

    TextBlock(const RefString& text, const Measure& measure);

    const RefString& text() const { return text_; }
    // Views into text(); an empty text is one empty line.
    const std::vector<std::u16string_view>& lines() const { return lines_; }
    int naturalWidth() const { return naturalWidth_; }
    int lineHeight() const { return lineHeight_; }
    int lineCount() const { return static_cast<int>(lines_.size()); }

    // The box's width: boxWidth, or the natural width for naturalBox.
    int boxWidthOr(int boxWidth) const { return boxWidth == naturalBox ? naturalWidth_ : boxWidth; }
    // The box whose top-left is origin: box width by all the lines.
    LayoutRect box(LayoutPoint origin, int boxWidth) const;
    // Where line number line starts when the box's top-left is origin.
    LayoutPoint lineStart(LayoutPoint origin, int boxWidth, int line) const;

private:
    RefString text_;
    std::vector<std::u16string_view> lines_;
    int naturalWidth_ = 0;
    int lineHeight_ = 0;
};
