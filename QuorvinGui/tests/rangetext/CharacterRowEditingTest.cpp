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
}

// Character events as the toolkit reports them: key code, character,
// modifiers held, and what the key types.
struct KeyTyping {
    int keyCode;
    std::uint32_t unicodeKey;
    int modifiers;
    std::optional<std::int32_t> typed;
};

const KeyTyping keyTypings[] = {
    {'q', 'q', wxMOD_NONE, 'q'},
    {'@', '@', wxMOD_ALTGR, '@'},
    {WXK_DELETE, WXK_NONE, wxMOD_NONE, 127},
    // Cut to 16 bits, U+1F600 would type U+F600.
    {WXK_NONE, 0x1F600, wxMOD_NONE, std::nullopt},
    // With Ctrl or Alt the key is the menu's, Ctrl+H no Backspace.
    {14, 14, wxMOD_CONTROL, std::nullopt},
    {19, 19, wxMOD_CONTROL | wxMOD_SHIFT, std::nullopt},
    {8, 8, wxMOD_CONTROL, std::nullopt},
    {'f', 'f', wxMOD_ALT, std::nullopt},
};

TEST(CharacterRowKeys, OnlyKeysThatEditTheNameType)
{
    for (const KeyTyping& key : keyTypings)
        EXPECT_EQ(CharacterRowEditing::typedCode(key.keyCode, key.unicodeKey, key.modifiers), key.typed)
            << key.keyCode << " with modifiers " << key.modifiers;
}

} // namespace
