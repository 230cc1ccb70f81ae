// In French no value a page shows stays English: every value word of every
// control reads as the French catalogues give it, unless French writes it
// alike or it names something of the instrument's own.
#include "PagesFixture.h"

#include "controls/Control.h"
#include "gui/EditorPanel.h"
#include "instrument/Fs1rValueLabels.h"
#include "params/Parameter.h"

#include <gtest/gtest.h>
#include <wx/translation.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

// The texts of the libraries' French catalogues: every entry's English and
// French, and the English of entries whose French is the same.
struct CatalogueTexts {
    std::set<std::string> all;
    std::set<std::string> keptEnglish;
};

CatalogueTexts frenchCatalogueTexts()
{
    CatalogueTexts texts;
    const std::regex entry(R"re(msgid "((?:[^"\\]|\\.)*)"\nmsgstr "((?:[^"\\]|\\.)*)")re");
    for (const char* library : {"QuorvinEditCore", "QuorvinGui", "QuorvinEdit-FS1R"}) {
        std::ifstream file(std::string(std::getenv("QUORVIN_SOURCE_DIR")) + "/" + library + "/i18n/fr.po");
        std::stringstream catalogue;
        catalogue << file.rdbuf();
        const std::string text = catalogue.str();
        for (auto match = std::sregex_iterator(text.begin(), text.end(), entry); match != std::sregex_iterator(); ++match) {
            texts.all.insert({(*match)[1], (*match)[2]});
            if ((*match)[1] == (*match)[2])
                texts.keptEnglish.insert((*match)[1]);
        }
    }
    return texts;
}

// Letters that make a word; a text with a digit is a number or a name
// ("LFO1", "Int Vc 001").
bool isWord(const std::string& text)
{
    bool letters = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        letters = letters || (i > 0 && std::isalpha(static_cast<unsigned char>(text[i - 1]))
                                 && std::isalpha(static_cast<unsigned char>(text[i])));
    }
    return letters;
}

class ValueWordsOnPagesTest : public PagesFixture {
protected:
    void SetUp() override
    {
        const char* language = std::getenv("QUORVIN_TEST_LANGUAGE");
        if (!language || std::strcmp(language, "fr") != 0)
            GTEST_SKIP() << "the French run checks the words";
    }
};

TEST_F(ValueWordsOnPagesTest, NoValueWordStaysEnglish)
{
    ASSERT_EQ(_("Mixer"), "Mixeur") << "the French catalogues are in use";
    const CatalogueTexts catalogue = frenchCatalogueTexts();
    // Words that French writes as English does, and the switch words the
    // instrument itself shows.
    const std::set<std::string> alike = {"Piano", "Ensemble", "Vocal", "Perf", "Multi", "PFM", "Insertion > Var",
        "mono", "Poly", "Volume", "Formant", "Pan", "Vol", "Env", "Porta", "ratio", "linkFO", "linkFF", "fseq",
        "scratch", "x MIDI", "% fseq", "INS", "normal", "BPF", "BEF", "Pitch bend", "FM", "OFF", "ON"};
    // Lists of the instrument's own names: formant sequences, effect types.
    std::set<const LabelList*> instrumentNames;
    for (std::int32_t id : {0, 6, 7, 9, 23, 26})
        instrumentNames.insert(getValueLabels(id));
    int words = 0;
    std::set<std::string> reported;
    for (std::int32_t index = 0; index < 7; ++index) {
        device->showPanel(index);
        const EditorPanel* page = panels->page(index);
        ASSERT_NE(page, nullptr) << index;
        for (std::size_t k = 0; k < page->groupCount(); ++k)
            for (const auto& entry : page->group(k)->controls()) {
                const auto* control = dynamic_cast<const Control*>(entry->control());
                for (const Parameter* parameter : control ? control->getParameters() : std::vector<Parameter*>{}) {
                    const LabelList* labels = parameter->valueLabels();
                    if (!labels || instrumentNames.contains(labels))
                        continue;
                    for (std::uint32_t value = 0; value < labels->count(); ++value) {
                        const std::string text = labels->get(std::int32_t(value)).toUtf8();
                        if (!isWord(text) || alike.contains(text))
                            continue;
                        ++words;
                        const bool french = catalogue.all.contains(text) && !catalogue.keptEnglish.contains(text);
                        if (!french && reported.insert(text).second)
                            ADD_FAILURE() << "page " << index << ", " << entry->labelText().toUtf8() << ": \""
                                          << text << "\" stays English";
                    }
                }
            }
    }
    EXPECT_GT(words, 100);
}

} // namespace
