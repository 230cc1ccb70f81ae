// The value words of the label tables and of the effect pages' own lists,
// English and as the running language shows them: in French none stays
// English, unless French writes it alike or it is the instrument's name.
#include "effects/EffectBlockDescriptions.h"
#include "effects/EffectParameters.h"
#include "instrument/Fs1rLabelTables.h"
#include "instrument/Fs1rValueLabels.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

bool isFrench()
{
    const char* language = std::getenv("QUORVIN_TEST_LANGUAGE");
    return language && std::strcmp(language, "fr") == 0;
}

struct ShownWord {
    std::string english;
    std::string shown;
    std::string where;
};

// Tables of the instrument's own names: bank letters, formant sequences,
// effect types.
const std::set<std::int32_t> instrumentNameTables = {0, 6, 7, 9, 23, 26};

std::vector<ShownWord> tableWords()
{
    std::vector<ShownWord> words;
    for (std::int32_t id = 0; id < fs1rLabelTableCount; ++id) {
        if (instrumentNameTables.contains(id))
            continue;
        std::int32_t value = 0;
        for (const LabelSegment& segment : fs1rLabelTable(id).segments) {
            if (segment.kind != LabelSegment::Kind::texts) {
                value += segment.count;
                continue;
            }
            for (const char* text : segment.texts) {
                words.push_back({text, getValueLabels(id)->get(value).toUtf8(),
                    "table " + std::to_string(id) + " value " + std::to_string(value)});
                ++value;
            }
        }
    }
    return words;
}

std::vector<ShownWord> ownListWords()
{
    std::vector<ShownWord> words;
    for (const EffectBlockDescription* block : performanceEffects())
        for (const EffectPage& page : block->pages)
            for (const EffectItem& item : page.items) {
                const EffectOwnLabels* own = item.definition == pageParameter ? item.own.ownLabels : nullptr;
                if (!own)
                    continue;
                const LabelList* shown = EffectParameters::ownLabels(*own);
                const std::string where = std::string(block->caption) + " " + item.label;
                words.push_back({own->first, shown->get(0).toUtf8(), where});
                words.push_back({own->second, shown->get(1).toUtf8(), where});
            }
    return words;
}

bool isWord(const std::string& text)
{
    for (std::size_t i = 1; i < text.size(); ++i)
        if (std::isalpha(static_cast<unsigned char>(text[i - 1])) && std::isalpha(static_cast<unsigned char>(text[i])))
            return true;
    return false;
}

TEST(ValueWordsTest, NoValueWordStaysEnglishInFrench)
{
    if (!isFrench())
        GTEST_SKIP() << "the French run checks the words";
    // Words that French writes as English does, and the switch words the
    // instrument itself shows.
    const std::set<std::string> alike = {"Piano", "Ensemble", "Vocal", "mono", "radio", "pbass", "stack", "combo",
        "Type A", "Type B", "PFM", "OFF", "ON"};
    std::vector<ShownWord> words = tableWords();
    const std::vector<ShownWord> own = ownListWords();
    words.insert(words.end(), own.begin(), own.end());
    ASSERT_GT(own.size(), 2u);
    for (const ShownWord& word : words)
        if (isWord(word.english) && word.shown == word.english && !alike.contains(word.english))
            ADD_FAILURE() << word.where << ": \"" << word.english << "\" stays English";
}

// Words that French writes after what they describe: a phase is feminine.
TEST(ValueWordsTest, OwnListsReadAsTheLanguageWritesThem)
{
    struct Expected {
        const char* item;
        std::vector<std::string> english;
        std::vector<std::string> french;
    };
    const Expected lists[] = {
        {"Phase", {"normal", "inverse"}, {"normale", "inversée"}},
        {"Emphasis", {"off", "on"}, {"non", "oui"}},
    };
    const std::vector<ShownWord> words = ownListWords();
    for (const Expected& list : lists) {
        std::vector<std::string> shown;
        for (const ShownWord& word : words)
            if (word.where == std::string("Insertion ") + list.item)
                shown.push_back(word.shown);
        EXPECT_EQ(shown, isFrench() ? list.french : list.english) << list.item;
    }
}

} // namespace
