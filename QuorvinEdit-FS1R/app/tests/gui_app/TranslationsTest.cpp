#include "app/tests/gui_app/EditorFixture.h"
#include "gui/Translations.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>

#include <cstdlib>

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
