// The audit runs in the language a test run asks for with
// QUORVIN_TEST_LANGUAGE (its system locale set to that language), through
// the catalogues the build made, loaded as the editor loads them; without
// it the pages show the code's English.
#include "gui/QuickHelpWindow.h"
#include "gui/Translations.h"

#include <gtest/gtest.h>
#include <wx/intl.h>
#include <wx/translation.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

class InterfaceLanguage : public ::testing::Environment {
public:
    void SetUp() override
    {
        const char* language = std::getenv("QUORVIN_TEST_LANGUAGE");
        if (language == nullptr)
            return;
        ASSERT_STREQ(language, "fr") << "French is the only language shipped beside English";
        locale_ = std::make_unique<wxLocale>();
        ASSERT_TRUE(locale_->Init(wxLANGUAGE_DEFAULT, wxLOCALE_LOAD_DEFAULT))
            << "the system has no French locale (LOCPATH names none?)";
        ASSERT_TRUE(QuickHelpWindow::isFrench(locale_->GetLanguage())) << locale_->GetCanonicalName();
        std::vector<wxString> folders;
        for (const char* library : {"QuorvinEditCore", "QuorvinGui", "QuorvinEdit-FS1R"})
            folders.push_back(wxString(QUORVIN_BINARY_DIR) + "/" + library + "/i18n");
        addCatalogues(*wxTranslations::Get(), folders, "QuorvinEdit-FS1R");
        ASSERT_EQ(_("Mixer"), "Mixeur") << "the application's French catalogue is not loaded";
    }
    void TearDown() override { locale_.reset(); }

private:
    std::unique_ptr<wxLocale> locale_;
};

[[maybe_unused]] const auto* const registered = ::testing::AddGlobalTestEnvironment(new InterfaceLanguage);

} // namespace
