#include "layout/TextBlock.h"

#include <gtest/gtest.h>

namespace {

// 7 pixels a character; a line with a 'g' is taller.
LayoutSize measure(std::u16string_view line) { return {7 * int(line.size()), line.find(u'g') == line.npos ? 10 : 13}; }

TEST(TextBlockTest, EveryPieceIsALineTheTallestSetsThePitchAndTheBlockIsRightAligned)
{
    const TextBlock block(RefString(u"go\n\nabc\n"), measure);
    EXPECT_EQ(block.lineCount(), 4) << "the empty piece after the last line feed counts";
    EXPECT_EQ(block.naturalWidth(), 21);
    EXPECT_EQ(block.lineStart({100, 50}, 40, 3), (LayoutPoint{100 + 40 - 21, 50 + 3 * 13}));
    EXPECT_EQ(block.box({100, 50}, TextBlock::naturalBox), (LayoutRect{100, 50, 21, 4 * 13}));
    EXPECT_EQ(TextBlock(RefString(), measure).lineCount(), 1);
}

} // namespace
