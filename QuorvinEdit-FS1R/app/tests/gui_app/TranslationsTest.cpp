#include "app/tests/gui_app/EditorFixture.h"
#include "app/tests/support/HelpPageText.h"
#include "gui/Translations.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>

#include <cstdlib>
#include <string>

namespace {

std::string translated(wxLanguage language, const wxString& text)
{
    wxTranslations translations;
    translations.SetLanguage(language);
    // The test program lies beside the program, where the build puts the
    // catalogues.
    const wxString folder = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
    addCatalogues(translations, catalogueFolders(folder, "QuorvinEdit-FS1R"), "QuorvinEdit-FS1R");
    const wxString* found = translations.GetTranslatedString(text);
    return found ? found->utf8_string() : "(untranslated)";
}

TEST(TranslationsTest, FrenchCataloguesOfTheCoreAndTheApplicationLoadWithoutASystemLocale)
{
    EXPECT_EQ(translated(wxLANGUAGE_FRENCH, "Starting up..."), "Démarrage...");
    EXPECT_EQ(translated(wxLANGUAGE_FRENCH, "&Save\tCtrl-S"), "&Enregistrer\tCtrl-S") << "keys stay readable";
    EXPECT_EQ(translated(wxLANGUAGE_FRENCH, "Formant sequence"), "Séquence de formants");
    EXPECT_EQ(translated(wxLANGUAGE_ENGLISH_US, "Starting up..."), "(untranslated)") << "English is the code's own";
}

// A menu item or button as a text names it: no mnemonic, key or dots.
wxString namedAs(const wxString& label)
{
    wxString name = wxStripMenuCodes(label);
    name.EndsWith("...", &name);
    return name;
}

// A reader of the help looks for the menu items and buttons it names.
TEST(TranslationsTest, EachHelpPageNamesTheMenusAndButtonsAsTheProgramShowsThem)
{
    const char* const named[] = {"&File", "&Init...\tCtrl-N", "&Edit", "&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "&View",
        "&Open...\tCtrl-O", "Auto-detect", "Test settings", "Learn"};
    const wxString english = helpPageText("quickhelp_en.html");
    const wxString french = helpPageText("quickhelp_fr.html");
    for (const char* text : named) {
        EXPECT_TRUE(english.Contains(namedAs(text))) << text;
        const wxString frenchName = namedAs(wxString::FromUTF8(translated(wxLANGUAGE_FRENCH, text)));
        EXPECT_TRUE(french.Contains(frenchName)) << frenchName;
    }
    // Auto-detect finds the device number: no control sets it.
    for (const wxString& noControl : {wxString("choose those two ports and"), wxString::FromUTF8("ports et le num")})
        EXPECT_FALSE(english.Contains(noControl) || french.Contains(noControl)) << noControl;
    EXPECT_TRUE(english.Contains("Page Up and Page Down")) << "the keys that step a value";
    EXPECT_FALSE(english.Contains("use the arrow keys")) << "the arrows move the focus";
}

using FrenchUserTest = EditorFixture;

TEST_F(FrenchUserTest, StartUpInAFrenchEnvironmentShowsFrenchMenusAndNotice)
{
    for (const char* variable : {"LANG", "LC_ALL"})
        ::setenv(variable, "fr_FR.UTF-8", 1);
    AnsweredMessageBoxes boxes;
    ASSERT_TRUE(startUp(deviceType_));
    EXPECT_EQ(frame_->GetMenuBar()->GetMenuLabel(0), "&Fichier");
    EXPECT_EQ(frame_->GetMenuBar()->FindItem(wxID_SAVE)->GetItemLabel(), "&Enregistrer\tCtrl-S");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Première utilisation de QuorvinEdit-FS1R");
}

} // namespace
