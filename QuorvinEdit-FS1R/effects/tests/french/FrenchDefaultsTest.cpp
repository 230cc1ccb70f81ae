// Under a French catalogue the words that defaults name are translated as
// their label tables are, so they still find their values; raw defaults and
// numbers are untouched. The catalogue is the one the build compiles.
#include "effects/EffectParameters.h"
#include "effects/InsertionTables.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <gtest/gtest.h>
#include <wx/translation.h>

#include <string>

namespace {

std::string text(const RefString& value) { return value.toUtf8(); }

class FrenchDefaultsTest : public testing::Test {
protected:
    // Before any label table is built: tables keep the language of their
    // first use.
    static void SetUpTestSuite()
    {
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(QUORVIN_CATALOGUE_FOLDER);
        auto* translations = new wxTranslations;
        translations->SetLanguage("fr");
        wxTranslations::Set(translations);
        ASSERT_TRUE(translations->AddCatalog("QuorvinEdit-FS1R"));
    }
    static void TearDownTestSuite() { wxTranslations::Set(nullptr); }

    const SysexParameter& definition(std::size_t number) const { return *definitions.at(number); }

    AddressMap map{static_cast<std::uint32_t>(Fs1rMemoryLayout::pages().size())};
    bool mapBuilt = Fs1rMemoryLayout::buildAddressMap(map);
    ParameterFactory factory{map, nullptr};
    std::vector<SysexParameter*> definitions = EffectParameters::makeDefinitions(factory, insertionDefinitions());
};

TEST_F(FrenchDefaultsTest, TranslatedWordsStillFindTheirValues)
{
    ASSERT_EQ(text(fromWxString(wxGetTranslation("Wet mix"))), "Mix effet") << "the catalogue is in use";
    const SysexParameter& highPass = definition(98);
    EXPECT_EQ(text(highPass.valueText(0)), "direct");
    EXPECT_EQ(EffectParameters::resolveDefault(highPass, byWord("thru")), 0);
    EXPECT_EQ(EffectParameters::resolveDefault(definition(12), byWord("stereo")), 1);
    EXPECT_EQ(EffectParameters::resolveDefault(definition(99), byLabel("4.0k")), 46) << "numbers stay as written";
}

TEST_F(FrenchDefaultsTest, OwnListsAreTranslatedAndRawDefaultsStayRaw)
{
    const EffectItem& phase = insertionPages()[12].items[1];
    ASSERT_EQ(std::string(phase.label), "Phase");
    SysexParameter* parameter = EffectParameters::makePageParameter(factory, 0, phase.own);
    EXPECT_EQ(text(parameter->valueText(1)), "inversée");
    EXPECT_EQ(EffectParameters::resolveDefault(*parameter, phase.defaultValue), 1);
}

} // namespace
