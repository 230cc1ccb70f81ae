#include "localparams/EditableName.h"
#include "tests/support/ListenerCounter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string textOf(const EditableName& name) { return std::u16string(name.text().view()); }

TEST(EditableNameTest, TextEndsAtTheLastCharacterThatIsNotABlank)
{
    EditableName name;
    EXPECT_TRUE(textOf(name).empty());
    EXPECT_FALSE(name.text().isNull());

    name.setText(RefString(u"MIDI"));
    EXPECT_EQ(textOf(name), u"MIDI");
    name.setText(RefString(u"  A  B   "));
    EXPECT_EQ(textOf(name), u"  A  B");
}

TEST(EditableNameTest, LongTextIsCutToTwentyFourCharacters)
{
    EditableName name;
    name.setText(RefString(u"abcdefghijklmnopqrstuvwxyz0123"));
    EXPECT_EQ(textOf(name), u"abcdefghijklmnopqrstuvwx");
    EXPECT_EQ(name.character(23).getValue(), u'x');
}

// A name loaded over a longer one used to keep the longer one's tail.
TEST(EditableNameTest, ShorterTextDoesNotKeepTheOldTail)
{
    EditableName name;
    name.setText(RefString(u"Control surface"));
    name.setText(RefString(u"Pads"));
    EXPECT_EQ(textOf(name), u"Pads");
    name.setText(RefString());
    EXPECT_TRUE(textOf(name).empty());
}

TEST(EditableNameTest, CharactersANameCannotHoldBecomeQuestionMarks)
{
    EditableName name;
    name.setText(RefString(u"A\tB\nC\x85" u"D"));
    EXPECT_EQ(textOf(name), u"A?B?C?D");

    // Printable characters beyond ASCII are kept as they are.
    name.setText(RefString(u"Caf\u00e9 \u00c6"));
    EXPECT_EQ(textOf(name), u"Caf\u00e9 \u00c6");

    // A character of two units is one '?', and a lone half is one too.
    name.setText(RefString(u"\U0001F3B9x\xD800y"));
    EXPECT_EQ(textOf(name), u"?x?y");

    // A pair that would be cut at the end is not split.
    const std::u16string full = std::u16string(23, u'a') + u"\U0001F3B9";
    name.setText(RefString(full));
    EXPECT_EQ(textOf(name), std::u16string(23, u'a') + u"?");
}

TEST(EditableNameTest, CharacterParametersEditTheText)
{
    EditableName name;
    name.setText(RefString(u"MIDI"));
    CharacterParameter& third = name.character(2);
    ListenerCounter listener;
    third.addListener(&listener);

    third.setValue(flagsConstruct, u'X');
    EXPECT_EQ(textOf(name), u"MIDI") << "construction flags leave the text alone";
    third.setValue(flagsUserEdit, u'Z');
    EXPECT_EQ(textOf(name), u"MIZI");
    third.setValue(flagsUserEdit, 5);
    EXPECT_EQ(textOf(name), u"MI I");
    third.setValue(flagsUserEdit, 200);
    EXPECT_EQ(third.getValue(), 127);

    listener.heard.clear();
    name.setText(RefString(u"Other"));
    EXPECT_TRUE(listener.heard.empty());
    EXPECT_EQ(third.getValue(), u'h');
}

// File and patch loads set values without clamping; a character must still
// never become a control code or lose its high bits.
TEST(EditableNameTest, UnclampedWritesStayPrintable)
{
    EditableName name;
    name.character(0).setValue(flagsFileLoad, 0);
    name.character(1).setValue(flagsFileLoad, 0x10041);
    EXPECT_EQ(textOf(name), u" \x7f");

    CharacterParameter loose;
    loose.setValue(flagsUserEdit, u'A');
    EXPECT_EQ(loose.getValue(), 0);
}

} // namespace
