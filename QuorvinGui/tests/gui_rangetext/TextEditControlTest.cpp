// Names typed into a text edit control with the real keyboard, one undo
// step per key.
#include "PageFixture.h"

#include "controls/TextEditControl.h"
#include "localparams/EditableName.h"
#include "localparams/LocalParameter.h"

#include <wx/event.h>

namespace {

class TextEditControlTest : public PageFixture {
protected:
    TextEditControlTest()
    {
        for (CharacterParameter& character : name.characters())
            character.setCommandList(&history);
        edit.place(20, 20, nullptr);
        edit.setSize(200, 24);
        edit.bindCharacters(name);
    }

    void focus(Control& control)
    {
        control.window()->SetFocus();
        ASSERT_TRUE(pumpUntil([&] { return Control::focusedControl() == &control; }));
    }

    void typeKey(int key)
    {
        simulator.Char(key);
        pump(std::chrono::milliseconds(30));
    }

    // A character the display's keyboard cannot type, sent as the toolkit
    // would deliver it.
    void sendCharacter(Control& control, wxChar character)
    {
        wxKeyEvent event(wxEVT_CHAR);
        event.m_uniChar = character;
        event.m_keyCode = WXK_NONE;
        event.SetEventObject(control.window());
        control.window()->GetEventHandler()->ProcessEvent(event);
    }

    RefString text() const { return name.text(); }

    EditableName name;
    TextEditControl edit{page, style};
};

TEST_F(TextEditControlTest, EachTypedKeyIsOneUndoStepNamedTextEdit)
{
    EXPECT_EQ(name.character(3).key().name.view(), u"character 3");
    focus(edit);
    simulator.Text("pad");
    pump(std::chrono::milliseconds(50));
    EXPECT_EQ(text().view(), u"pad");
    ASSERT_EQ(history.commands().size(), 3u);
    EXPECT_EQ(history.commands().back().name.view(), u"Text edit");
    typeKey(WXK_LEFT);
    typeKey(WXK_BACK);
    EXPECT_EQ(text().view(), u"pd");
    typeKey(WXK_HOME);
    typeKey(WXK_DELETE);
    EXPECT_EQ(text().view(), u"d");
    EXPECT_EQ(history.commands().size(), 5u);
    ASSERT_TRUE(history.undo());
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(text().view(), u"pad");
    EXPECT_EQ(history.groupDepth(), 0u);
}

TEST_F(TextEditControlTest, CharactersANameCannotHoldAreIgnoredAndRecordNothing)
{
    focus(edit);
    sendCharacter(edit, wxChar(0xE9));
    sendCharacter(edit, wxChar(0x1F600));
    typeKey(WXK_BACK);
    EXPECT_EQ(text().view(), u"");
    EXPECT_TRUE(history.commands().empty());
    EXPECT_EQ(history.groupDepth(), 0u);
}

TEST_F(TextEditControlTest, TypingOnTheLastCharacterWrapsTheCursorToTheFirst)
{
    std::vector<std::unique_ptr<LocalParameter>> characters;
    TextEditControl shortName(page, style);
    shortName.place(20, 60, nullptr);
    shortName.setSize(60, 24);
    for (RoleId role = 0; role < 3; ++role) {
        characters.push_back(std::make_unique<LocalParameter>(32, 127, 32));
        shortName.bindParameter(characters.back().get(), role);
    }
    focus(shortName);
    simulator.Text("abcd");
    pump(std::chrono::milliseconds(50));
    std::u16string shown;
    for (const auto& character : characters)
        shown.push_back(char16_t(character->getValue()));
    EXPECT_EQ(shown, u"dab");
}

TEST_F(TextEditControlTest, CursorCharacterIsUnderlinedOnlyWhileFocused)
{
    name.setText(RefString(u"MMMM"));
    focus(edit);
    const wxRect unfocused = drawn(edit, false)->inkBounds(ground);
    const wxRect focused = drawn(edit, true)->inkBounds(ground);
    EXPECT_GT(focused.GetBottom(), unfocused.GetBottom());
    EXPECT_EQ(focused.GetLeft(), unfocused.GetLeft());
}

} // namespace
