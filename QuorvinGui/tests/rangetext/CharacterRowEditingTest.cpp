#include "controls/CharacterRowEditing.h"

#include "localparams/EditableName.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>

#include <wx/defs.h>

namespace {

using Move = CharacterRowEditing::CursorMove;
constexpr std::size_t last = EditableName::nameLength - 1;

class CharacterRowEditingTest : public testing::Test {
protected:
    CharacterRowEditingTest()
    {
        name.setText(RefString(u"abcdefghijklmnopqrstuvwx"));
        for (CharacterParameter& character : name.characters()) {
            character.setCommandList(&history);
            characters.push_back(&character);
        }
    }

    std::u16string text() const { return std::u16string(RefString(name.text()).view()); }
    Move type(std::size_t cursor, std::int32_t code) { return CharacterRowEditing::typeKey(characters, cursor, code); }

    CommandList history;
    EditableName name;
    std::vector<Parameter*> characters;
};

TEST_F(CharacterRowEditingTest, InsertShiftingEveryCharacterIsStillOneUndoStep)
{
    EXPECT_EQ(type(0, u'0'), Move::forward);
    EXPECT_EQ(text(), u"0abcdefghijklmnopqrstuvw") << "the last character falls off the end";
    ASSERT_EQ(history.commands().size(), 1u);
    EXPECT_EQ(history.commands()[0].name.view(), u"Text edit");
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(text(), u"abcdefghijklmnopqrstuvwx");
}

TEST_F(CharacterRowEditingTest, KeysAtTheEndsOfTheName)
{
    EXPECT_EQ(type(0, CharacterRowEditing::backspaceKey), Move::stay);
    EXPECT_TRUE(history.commands().empty()) << "Backspace on the first character recorded a step";
    EXPECT_EQ(type(last, CharacterRowEditing::keypadDeleteKey), Move::stay);
    EXPECT_EQ(text(), u"abcdefghijklmnopqrstuvw");
    EXPECT_EQ(type(last, u'Z'), Move::forward);
    EXPECT_EQ(text(), u"abcdefghijklmnopqrstuvwZ");
    EXPECT_EQ(history.groupDepth(), 0u);
}

TEST_F(CharacterRowEditingTest, CharactersTheNameCannotHoldAreIgnored)
{
    name.character(1).setExcludedValue(u'q');
    for (const std::int32_t refused : {31, 128, 0xE9, int{u'q'}})
        EXPECT_EQ(type(1, refused), Move::stay) << refused;
    EXPECT_EQ(type(24, u'x'), Move::stay) << "a cursor past the row edits nothing";
    EXPECT_TRUE(history.commands().empty());
    // Cut to 16 bits, U+1F600 would type U+F600.
    EXPECT_EQ(CharacterRowEditing::typedCode(WXK_NONE, 0x1F600), std::nullopt);
    EXPECT_EQ(CharacterRowEditing::typedCode(WXK_DELETE, WXK_NONE), CharacterRowEditing::deleteKey);
}

} // namespace
