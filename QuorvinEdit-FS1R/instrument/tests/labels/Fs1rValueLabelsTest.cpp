#include "instrument/Fs1rValueLabels.h"

#include <gtest/gtest.h>
#include <wx/arrstr.h>
#include <wx/translation.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

// Besides real translations, keys that plain tables and the numbers of mixed
// tables must not pick up ("1", "A", "0.5", "********").
const std::pair<std::string, std::string> frenchTexts[] = {
    {"OFF", "ARRÊT"}, {"thru", "direct"}, {"Chorus", "Chœur"}, {"F#4", "Fa#4"},
    {"1", "un"}, {"A", "La"}, {"0.5", "0,5"}, {"********", "vide"},
};

// A gettext .mo catalogue: seven header words, the (length, offset) pairs of
// the keys and of the translations, then the texts. Words are in host order,
// which the magic number tells the reader.
std::string moCatalogue()
{
    std::vector<std::pair<std::string, std::string>> entries{
        {"", "Content-Type: text/plain; charset=UTF-8\n"}};
    entries.insert(entries.end(), std::begin(frenchTexts), std::end(frenchTexts));
    const auto n = std::uint32_t(entries.size());
    constexpr std::uint32_t headerSize = 28;
    std::vector<std::uint32_t> words{0x950412de, 0, n, headerSize, headerSize + 8 * n, 0, 0};
    std::string texts;
    for (bool translation : {false, true}) {
        for (const auto& [key, value] : entries) {
            const std::string& text = translation ? value : key;
            words.push_back(std::uint32_t(text.size()));
            words.push_back(headerSize + 16 * n + std::uint32_t(texts.size()));
            texts += text + '\0';
        }
    }
    std::string bytes(words.size() * sizeof words[0], '\0');
    std::memcpy(bytes.data(), words.data(), bytes.size());
    return bytes + texts;
}

class MemoryCatalogueLoader : public wxTranslationsLoader {
public:
    wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString&) override
    {
        // The catalogue copies what it reads, so the bytes may go after.
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

// As at start-up, the catalogue is in force before any table is first built.
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

struct Expected {
    std::int32_t id;
    std::int32_t value;
    const char* text;
};

void expectLabels(std::initializer_list<Expected> expected)
{
    for (const Expected& e : expected)
        EXPECT_EQ(label(e.id, e.value), e.text) << "table " << e.id << " value " << e.value;
}

// A numeric label as a number; "k" stands for thousands.
double numberOf(const std::string& text)
{
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    return *end == 'k' ? number * 1000 : number;
}

TEST(Fs1rValueLabelsTest, EveryTableHasItsCount)
{
    const std::uint32_t counts[] = {12, 23, 128, 32, 18, 18, 90, 6, 61, 41, 128, 128, 2, 6,
        16, 20, 8, 3, 6, 2, 128, 6, 4, 17, 70, 105, 29};
    for (std::int32_t id = 0; id < 27; ++id)
        EXPECT_EQ(getValueLabels(id)->count(), counts[id]) << "table " << id;
}

// Ends of every table and the labels that break a table's pattern, where a
// slipped or mistyped entry shows first.
TEST(Fs1rValueLabelsTest, LabelsMatchTheInstrument)
{
    expectLabels({
        {0, 0, "i"}, {0, 1, "A"}, {0, 11, "K"}, {1, 0, "--"}, {1, 6, "String / Orchestral"},
        {1, 12, "Synth Pad"}, {1, 22, "Sequence"}, {2, 0, "C-2"}, {2, 1, "C#-2"}, {2, 24, "C0"},
        {2, 59, "B2"}, {2, 60, "C3"}, {2, 127, "G8"}, {3, 0, "0.5"}, {3, 1, "1"}, {3, 31, "31"},
        {4, 16, "16"}, {4, 17, "PFM"}, {5, 17, "All"}, {6, 0, "ShoobyDo"}, {6, 31, "1BrBeat2"},
        {6, 58, "L&G MayI"}, {6, 66, "Hi=Woo"}, {6, 71, "B/M"}, {6, 89, "PSYAMAHA"},
        {7, 0, "********"}, {7, 5, "********"}, {8, 1, "22"}, {8, 33, "900"}, {8, 34, "1.0k"},
        {8, 59, "18.0k"}, {9, 0, "No effect"}, {9, 7, "Pitch Chng"}, {9, 34, "Delay L,R"},
        {9, 40, "Revrs Gate"}, {10, 0, "0.000"}, {10, 39, "1.785"}, {10, 99, "10.25"},
        {10, 127, "43.21"}, {11, 0, "0.0"}, {11, 100, "10.0"}, {11, 101, "11.1"},
        {11, 127, "50.0"}, {12, 1, "stereo"}, {13, 0, "L<>R"}, {13, 5, "L/R"}, {14, 15, "680"},
        {15, 10, "12"}, {15, 19, "40"}, {16, 7, "20.0"}, {17, 2, "L&R"}, {18, 0, "Smallhall"},
        {18, 5, "Spring"}, {19, 1, "Type B"}, {20, 0, "48.0k"}, {20, 4, "9.60k"},
        {20, 6, "6.86k"}, {20, 47, "1.00k"}, {20, 48, "980"}, {20, 127, "375"}, {21, 5, "low"},
        {22, 3, "tube"}, {23, 9, "White room"}, {23, 16, "CrossDelay"}, {24, 0, "0.3"},
        {24, 48, "5.5"}, {24, 58, "11.0"}, {24, 68, "25.0"}, {24, 69, "30.0"}, {25, 0, "0.5"},
        {25, 104, "30.2"}, {26, 11, "Auto Wah"}, {26, 24, "Karaoke"}, {26, 28, "Plate"},
    });
}

// A dropped, doubled or mistyped entry anywhere in a numeric table breaks
// its order, even where no single label is checked.
TEST(Fs1rValueLabelsTest, NumericTablesRunInOneDirection)
{
    struct Run {
        std::int32_t id;
        std::int32_t first;
        std::int32_t last;
        int direction;
    };
    const Run runs[] = {{3, 0, 31, 1}, {8, 1, 59, 1}, {10, 0, 127, 1}, {11, 0, 127, 1},
        {14, 0, 15, 1}, {15, 0, 19, 1}, {16, 0, 7, 1}, {20, 0, 127, -1}, {24, 0, 69, 1},
        {25, 0, 104, 1}};
    for (const Run& run : runs) {
        for (std::int32_t v = run.first; v < run.last; ++v) {
            const double step = numberOf(label(run.id, v + 1)) - numberOf(label(run.id, v));
            EXPECT_GT(step * run.direction, 0) << "table " << run.id << " value " << v;
        }
    }
}

TEST(Fs1rValueLabelsTest, MarkedLabelsAreTranslatedWhenTheTableIsBuilt)
{
    expectLabels({{4, 0, "ARRÊT"}, {4, 1, "1"}, {5, 0, "ARRÊT"}, {8, 0, "direct"},
        {8, 60, "direct"}, {21, 0, "direct"}, {2, 78, "Fa#4"}});
}

// Effect types keep the instrument's names, whatever the catalogue offers.
TEST(Fs1rValueLabelsTest, EffectTypeNamesAreNotTranslated)
{
    expectLabels({{9, 1, "Chorus"}, {26, 1, "Chorus"}});
}

TEST(Fs1rValueLabelsTest, UnknownIdsShareOneEmptyList)
{
    const ValueLabels* empty = getValueLabels(27);
    for (std::int32_t id : {-1, 28, INT_MIN, INT_MAX})
        EXPECT_EQ(getValueLabels(id), empty);
    EXPECT_EQ(empty->count(), 0u);
    EXPECT_EQ(&empty->get(0), &LabelList::emptyLabel());
}

TEST(Fs1rValueLabelsTest, EveryTableIsBuiltOnceAndGuardsItsEnds)
{
    for (std::int32_t id = 0; id < 27; ++id) {
        const ValueLabels* list = getValueLabels(id);
        EXPECT_EQ(getValueLabels(id), list);
        EXPECT_EQ(&getValueLabels(id)->get(0), &list->get(0));
        for (std::int32_t index : {std::int32_t(list->count()), -1, INT_MIN, INT_MAX})
            EXPECT_EQ(&list->get(index), &LabelList::emptyLabel()) << "table " << id;
    }
}

} // namespace
