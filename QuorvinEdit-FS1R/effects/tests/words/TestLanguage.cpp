// The program runs in the language a test run asks for with
// QUORVIN_TEST_LANGUAGE, through the catalogue the build made, in force
// before any label list is first built; without it the code's English.
#include <gtest/gtest.h>
#include <wx/translation.h>

#include <cstdlib>

namespace {

class TestLanguage : public ::testing::Environment {
public:
    void SetUp() override
    {
        const char* language = std::getenv("QUORVIN_TEST_LANGUAGE");
        if (language == nullptr)
            return;
        ASSERT_STREQ(language, "fr") << "French is the only language shipped beside English";
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(QUORVIN_CATALOGUE_FOLDER);
        auto* translations = new wxTranslations;
        translations->SetLanguage(language);
        wxTranslations::Set(translations);
        ASSERT_TRUE(translations->AddCatalog("QuorvinEdit-FS1R"));
    }
    void TearDown() override { wxTranslations::Set(nullptr); }
};

[[maybe_unused]] const auto* const registered = ::testing::AddGlobalTestEnvironment(new TestLanguage);

} // namespace
