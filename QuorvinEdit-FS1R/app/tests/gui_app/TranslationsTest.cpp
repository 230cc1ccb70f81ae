#include "gui/MainFrame.h"
#include "gui/Translations.h"
#include "app/tests/gui_app/ProgramFixture.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// The test program lies beside the program, where the build puts the
// catalogues.
std::vector<wxString> programCatalogueFolders()
{
    return catalogueFolders(wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath(), "QuorvinEdit-FS1R");
}

std::string translated(const wxTranslations& translations, const wxString& text)
{
    const wxString* found = translations.GetTranslatedString(text);
    return found ? found->utf8_string() : "(untranslated)";
}

TEST(TranslationsTest, FrenchCataloguesTranslateTheCoreAndTheApplicationWithoutASystemLocale)
{
    wxTranslations french;
    french.SetLanguage(wxLANGUAGE_FRENCH);
    addCatalogues(french, programCatalogueFolders(), "QuorvinEdit-FS1R");
    EXPECT_EQ(translated(french, "Starting up..."), "Démarrage...");
    EXPECT_EQ(translated(french, "&Save\tCtrl-S"), "&Enregistrer\tCtrl-S") << "the key stays one the toolkit reads";
    EXPECT_EQ(translated(french, "Formant sequence"), "Séquence de formants");
    EXPECT_EQ(translated(french, "No such text"), "(untranslated)");

    wxTranslations english;
    english.SetLanguage(wxLANGUAGE_ENGLISH_US);
    addCatalogues(english, programCatalogueFolders(), "QuorvinEdit-FS1R");
    EXPECT_EQ(translated(english, "Starting up..."), "(untranslated)") << "English is the code's own";
}

// Restores an environment variable when it goes.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value, 1);
    }
    ~ScopedVariable()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

using FrenchProgramTest = ProgramFixture;

// Page names are translated once, when first used, so a test that ran
// before may have fixed them in English: the menus show the catalogues.
TEST_F(FrenchProgramTest, FrenchUserGetsFrenchMenusAndNotices)
{
    const ScopedVariable language("LC_ALL", "fr_FR.UTF-8");
    ASSERT_TRUE(startUp());
    wxMenuBar& menus = *frame_->GetMenuBar();
    EXPECT_EQ(menus.GetMenuLabel(0), "&Fichier");
    EXPECT_EQ(menus.GetMenu(0)->FindItem(wxID_SAVE)->GetItemLabel(), "&Enregistrer\tCtrl-S");
    ASSERT_FALSE(boxes_.boxes.empty());
    EXPECT_EQ(boxes_.boxes[0].caption, "Première utilisation de QuorvinEdit-FS1R");
}

} // namespace
