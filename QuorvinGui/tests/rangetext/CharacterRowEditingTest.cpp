#include "controls/CharacterRowEditing.h"

#include "localparams/EditableName.h"
#include "text/RefString.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>

#include <wx/defs.h>

namespace {

using Move = CharacterRowEditing::CursorMove;

class CharacterRowEditingTest : public testing::Test {
protected:
    CharacterRowEditingTest()
    {
        name.setText(RefString(u"ABC"));
        for (CharacterParameter& character : name.characters()) {
            character.setCommandList(&history);
            characters.push_back(&character);
        }
    }

    std::u16string text() const
    {
        const RefString current = name.text();
        return std::u16string(current.view());
    }

    Move type(std::size_t cursor, std::int32_t code) { return CharacterRowEditing::typeKey(characters, cursor, code); }

    CommandList history;
    EditableName name;
    std::vector<Parameter*> characters;
};

TEST_F(CharacterRowEditingTest, InsertShiftsTheRestRightAsOneUndoStep)
{
    EXPECT_EQ(type(1, u'x'), Move::forward);
    EXPECT_EQ(text(), u"AxBC");
    ASSERT_EQ(history.commands().size(), 1u) << "a key that moves several characters is still one step";
    EXPECT_EQ(history.commands()[0].name.view(), u"Text edit");
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(text(), u"ABC");
}

TEST_F(CharacterRowEditingTest, TypingOnTheLastCharacterOverwritesItAndAnInsertDropsTheLast)
{
    name.setText(RefString(u"abcdefghijklmnopqrstuvwx"));
    EXPECT_EQ(type(EditableName::nameLength - 1, u'Z'), Move::forward);
    EXPECT_EQ(text(), u"abcdefghijklmnopqrstuvwZ");
    EXPECT_EQ(type(0, u'0'), Move::forward);
    EXPECT_EQ(text(), u"0abcdefghijklmnopqrstuvw") << "the last character falls off the end";
}

TEST_F(CharacterRowEditingTest, BackspaceOnTheFirstCharacterRecordsNothing)
{
    EXPECT_EQ(type(0, CharacterRowEditing::backspaceKey), Move::stay);
    EXPECT_EQ(text(), u"ABC");
    EXPECT_TRUE(history.commands().empty());
    EXPECT_EQ(history.groupDepth(), 0u);
    EXPECT_EQ(type(2, CharacterRowEditing::backspaceKey), Move::back);
    EXPECT_EQ(text(), u"AC");
}

TEST_F(CharacterRowEditingTest, DeleteShiftsLeftAndBlanksTheLastCharacter)
{
    name.setText(RefString(u"abcdefghijklmnopqrstuvwx"));
    EXPECT_EQ(type(EditableName::nameLength - 1, CharacterRowEditing::keypadDeleteKey), Move::stay);
    EXPECT_EQ(text(), u"abcdefghijklmnopqrstuvw");
    EXPECT_EQ(type(0, CharacterRowEditing::deleteKey), Move::stay);
    EXPECT_EQ(text(), u"bcdefghijklmnopqrstuvw");
}

TEST_F(CharacterRowEditingTest, CharactersTheNameCannotHoldAreIgnored)
{
    name.character(1).setExcludedValue(u'q');
    for (const std::int32_t refused : {std::int32_t{31}, std::int32_t{128}, std::int32_t{0xE9}, std::int32_t{u'q'}})
        EXPECT_EQ(type(1, refused), Move::stay) << refused;
    EXPECT_EQ(text(), u"ABC");
    EXPECT_TRUE(history.commands().empty());
    EXPECT_EQ(type(24, u'x'), Move::stay) << "a cursor past the row edits nothing";
}

TEST(CharacterRowTypedCodeTest, EditingKeysGoByKeyCodeAndOthersByOneUnit)
{
    EXPECT_EQ(CharacterRowEditing::typedCode(WXK_DELETE, WXK_NONE), CharacterRowEditing::deleteKey);
    EXPECT_EQ(CharacterRowEditing::typedCode(WXK_NUMPAD_DELETE, WXK_NONE), CharacterRowEditing::keypadDeleteKey);
    EXPECT_EQ(CharacterRowEditing::typedCode(WXK_BACK, WXK_BACK), CharacterRowEditing::backspaceKey);
    EXPECT_EQ(CharacterRowEditing::typedCode('a', 'a'), 'a');
    EXPECT_EQ(CharacterRowEditing::typedCode(WXK_F1, WXK_NONE), std::nullopt);
    // Cut to 16 bits, U+1F600 would become U+F600.
    EXPECT_EQ(CharacterRowEditing::typedCode(WXK_NONE, 0x1F600), std::nullopt);
}

} // namespace
