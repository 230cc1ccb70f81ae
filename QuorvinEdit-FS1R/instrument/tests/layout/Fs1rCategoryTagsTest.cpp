#include "instrument/Fs1rCategoryTags.h"

#include <gtest/gtest.h>

namespace {

TEST(Fs1rCategoryTags, ACategoryPastTheTableHasNoTagInsteadOfAStrayRead)
{
    EXPECT_EQ(categoryTag(0), RefString::fromNarrow("[--]"));
    EXPECT_EQ(categoryTag(1), RefString::fromNarrow("[Pf]"));
    EXPECT_EQ(categoryTag(22), RefString::fromNarrow("[Sq]"));
    EXPECT_TRUE(categoryTag(23).isEmpty());
    EXPECT_TRUE(categoryTag(0x7F).isEmpty());
}

} // namespace
