#include "instrument/Fs1rValueLabels.h"

#include <gtest/gtest.h>
#include <wx/arrstr.h>
#include <wx/translation.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::pair<std::string, std::string> frenchTexts[] = {
    {"OFF", "ARRÊT"},
    {"thru", "direct"},
    {"Chorus", "Chœur"},
    {"F#4", "Fa#4"},
    // Keys that tables without translation and the numbers of mixed tables
    // must not pick up.
    {"1", "un"},
    {"A", "La"},
    {"0.5", "0,5"},
    {"********", "vide"},
};

void appendWord(std::string& bytes, std::uint32_t word)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(char(word >> shift & 0xFF));
}

// A gettext .mo catalogue holding the header entry and the given texts.
std::string moCatalogue()
{
    std::vector<std::pair<std::string, std::string>> entries = {
        {"", "Content-Type: text/plain; charset=UTF-8\n"}};
    entries.insert(entries.end(), std::begin(frenchTexts), std::end(frenchTexts));
    constexpr std::uint32_t headerSize = 28;
    const auto count = std::uint32_t(entries.size());
    const std::uint32_t originalsAt = headerSize;
    const std::uint32_t translationsAt = originalsAt + 8 * count;
    std::string bytes;
    for (std::uint32_t word : {0x950412deu, 0u, count, originalsAt, translationsAt, 0u, 0u})
        appendWord(bytes, word);
    std::string strings;
    std::uint32_t stringsAt = translationsAt + 8 * count;
    auto appendString = [&](const std::string& text) {
        appendWord(bytes, std::uint32_t(text.size()));
        appendWord(bytes, stringsAt + std::uint32_t(strings.size()));
        strings += text + '\0';
    };
    for (const auto& entry : entries)
        appendString(entry.first);
    for (const auto& entry : entries)
        appendString(entry.second);
    return bytes + strings;
}

class MemoryCatalogueLoader : public wxTranslationsLoader {
public:
    wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString&) override
    {
        // The catalogue copies the texts it reads, so the bytes may go after.
        const std::string bytes = moCatalogue();
        return wxMsgCatalog::CreateFromData(
            wxScopedCharBuffer::CreateNonOwned(bytes.data(), bytes.size()), domain);
    }
    wxArrayString GetAvailableTranslations(const wxString&) const override
    {
        wxArrayString languages;
        languages.Add("fr");
        return languages;
    }
};

// The catalogue is in force before any table is first built, as at start-up,
// for the whole test program.
class FrenchCatalogue : public testing::Environment {
public:
    void SetUp() override
    {
        auto* translations = new wxTranslations;
        wxTranslations::Set(translations);
        translations->SetLoader(new MemoryCatalogueLoader);
        translations->SetLanguage("fr");
        ASSERT_TRUE(translations->AddCatalog("quorvin-test"));
    }
};

[[maybe_unused]] testing::Environment* const frenchCatalogue =
    testing::AddGlobalTestEnvironment(new FrenchCatalogue);

std::string label(std::int32_t id, std::int32_t value)
{
    return getValueLabels(id)->get(value).toUtf8();
}

TEST(Fs1rValueLabelsTranslationTest, MixedTablesTranslateTheirWordsButNotTheirNumbers)
{
    for (std::int32_t id : {4, 5}) {
        EXPECT_EQ(label(id, 0), "ARRÊT");
        EXPECT_EQ(label(id, 1), "1");
    }
    EXPECT_EQ(label(8, 0), "direct");
    EXPECT_EQ(label(8, 60), "direct");
}

TEST(Fs1rValueLabelsTranslationTest, TranslatedTablesUseTheCatalogue)
{
    EXPECT_EQ(label(9, 1), "Chœur");
    EXPECT_EQ(label(26, 1), "Chœur");
    EXPECT_EQ(label(21, 0), "direct");
    EXPECT_EQ(label(2, 78), "Fa#4");
    EXPECT_EQ(label(2, 77), "F4");
}

TEST(Fs1rValueLabelsTranslationTest, PlainTablesIgnoreTheCatalogue)
{
    EXPECT_EQ(label(0, 1), "A");
    EXPECT_EQ(label(3, 0), "0.5");
    EXPECT_EQ(label(3, 1), "1");
    EXPECT_EQ(label(7, 0), "********");
}

} // namespace
