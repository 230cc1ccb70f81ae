#include "text/RefString.h"
#include "text/WxText.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

std::u16string text(const RefString& s) { return std::u16string(s.view()); }

TEST(RefStringTest, NullAndEmptyTextsAreEqualAndUnordered)
{
    const RefString null;
    const RefString empty(u"", 0);
    EXPECT_TRUE(null.isNull());
    EXPECT_FALSE(empty.isNull());
    EXPECT_EQ(null, empty);
    EXPECT_FALSE(null < empty);
    EXPECT_FALSE(empty < null);
    EXPECT_EQ(RefString(nullptr, 5).isNull(), true);
}

TEST(RefStringTest, OrderIsEmptyFirstThenUnsignedUnitsWithPrefixesFirst)
{
    EXPECT_TRUE(RefString() < RefString(u"A"));
    EXPECT_TRUE(RefString(u"A") < RefString(u"AB"));
    EXPECT_FALSE(RefString(u"B") < RefString(u"AB"));
    // Units above 0x7FFF must compare as unsigned, not as negative numbers.
    EXPECT_TRUE(RefString(u"a") < RefString(u"\uE000"));
    EXPECT_FALSE(RefString(u"AB") == RefString(u"A"));
}

TEST(RefStringTest, LengthArgumentCopiesExactlyThatManyUnits)
{
    EXPECT_EQ(text(RefString(u"ABCDEF", 3)), u"ABC");
    EXPECT_EQ(text(RefString::fromNarrow("xyz", -1)), u"xyz");
    EXPECT_EQ(text(RefString::fromNarrow("\xE9", 1)), u"\u00E9");
    EXPECT_TRUE(RefString::fromNarrow(nullptr, 3).isNull());
}

TEST(RefStringTest, ConcatSharesABlockWhenOneSideIsNull)
{
    const RefString a(u"abc");
    const RefString shared = RefString::concat(a, RefString());
    EXPECT_EQ(a.shareCount(), 2u);
    EXPECT_EQ(shared.c_str(), a.c_str());
    const RefString other = RefString::concat(RefString(), a);
    EXPECT_EQ(other.c_str(), a.c_str());
    EXPECT_EQ(text(RefString::concat(a, RefString(u"de"))), u"abcde");
    EXPECT_EQ(text(concatString(u"I: ", RefString(u"Bank"))), u"I: Bank");
}

TEST(RefStringTest, AllocateGivesAFillableBlockExceptForZeroUnits)
{
    char16_t* chars = nullptr;
    EXPECT_TRUE(RefString::allocate(0, chars).isNull());
    EXPECT_EQ(chars, nullptr);
    RefString s = RefString::allocate(2, chars);
    chars[0] = u'o';
    chars[1] = u'k';
    chars[2] = 0;
    EXPECT_EQ(text(s), u"ok");
}

TEST(RefStringTest, MatchesAtStopsAtTheEndOfTheText)
{
    const RefString s(u"Hello");
    EXPECT_TRUE(RefString::matchesAt(s, u"llo", 2));
    EXPECT_FALSE(RefString::matchesAt(s, u"lloX", 2));
    EXPECT_TRUE(RefString::matchesAt(s, u"", 4));
    EXPECT_FALSE(RefString::matchesAt(s, u"", 5));
    EXPECT_FALSE(RefString::matchesAt(RefString(), u"", 0));
}

TEST(RefStringTest, NumberTexts)
{
    EXPECT_EQ(text(RefString::fromInt(0)), u"0");
    EXPECT_EQ(text(RefString::fromInt(65535)), u"65535");
    EXPECT_EQ(text(RefString::fromInt(4294967295u)), u"4294967295");
    EXPECT_EQ(text(RefString::fromFixed({5, 1}, false)), u"5");
    EXPECT_EQ(text(RefString::fromFixed({15, 10}, false)), u"1.5");
    EXPECT_EQ(text(RefString::fromFixed({-15, 10}, false)), u"-1.5");
    EXPECT_EQ(text(RefString::fromFixed({1, 3}, false)), u"0.3");
    EXPECT_EQ(text(RefString::fromFixed({2, 3}, false)), u"0.6"); // truncated, not rounded
    EXPECT_EQ(text(RefString::fromFixed({1, 300}, false)), u"0.003");
    EXPECT_EQ(text(RefString::fromFixed({7, 100}, true)), u"+0.07");
    EXPECT_EQ(text(RefString::fromFixed({1, 1000}, true)), u"+0.001");
    EXPECT_EQ(text(RefString::fromFixed({-5, 10}, true)), u"-0.5");
    EXPECT_EQ(text(RefString::fromFixed({0, 1}, true)), u"0");
    EXPECT_EQ(text(RefString::fromFixed({-250, 100}, false)), u"-2.50");
}

TEST(RefStringTest, SharedTextSurvivesManyCopiesFromTwoThreads)
{
    // A 16-bit count would wrap at 65536 handles and free the text in use.
    const RefString label(u"Shared label");
    std::vector<RefString> copies(70000, label);
    EXPECT_EQ(label.shareCount(), 70001u);
    copies.clear();

    auto churn = [&label] {
        for (int i = 0; i < 100000; ++i) {
            RefString copy(label);
            ASSERT_EQ(copy.c_str()[0], u'S');
        }
    };
    std::thread a(churn), b(churn);
    a.join();
    b.join();
    EXPECT_EQ(label.shareCount(), 1u);
}

TEST(RefStringTest, ToolkitAndUtf8ConversionsKeepSurrogatePairs)
{
    const RefString s(u"Gain \U0001D11E \u00E9");
    EXPECT_EQ(fromWxString(toWxString(s)), s);
    EXPECT_EQ(RefString::fromUtf8(s.toUtf8()), s);
    EXPECT_EQ(toWxString(s), wxString::FromUTF8("Gain \xF0\x9D\x84\x9E \xC3\xA9"));
    // Malformed UTF-8 becomes a replacement character, never a read past the end.
    EXPECT_EQ(text(RefString::fromUtf8(std::string_view("a\xE2\x82", 3))), u"a\uFFFD\uFFFD");
}

} // namespace
