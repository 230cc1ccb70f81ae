// The help page of the interface's language names every key as the toolkit
// shows keys in that language, and the keys of menu commands exactly as the
// menu bar shows them: a reader finds in the menus what the help tells.
#include "app/tests/gui_app/EditorFixture.h"
#include "app/tests/support/HelpPageText.h"
#include "gui/QuickHelpWindow.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <wx/accel.h>
#include <wx/menu.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

// A key combination as the toolkit knows it: modifier mask and key symbol.
using Combination = std::pair<unsigned, unsigned>;

constexpr unsigned shiftMask = 1u << 0;
constexpr unsigned controlMask = 1u << 2;
constexpr unsigned altMask = 1u << 3;
// The toolkit's symbols of Page Up, Page Down, Tab, Return and Escape: the
// keys the help names alone.
constexpr unsigned keysNamedAlone[] = {0xff55, 0xff56, 0xff09, 0xff0d, 0xff1b};

// The toolkit's own text for a key combination, in the process's language,
// as its menus show accelerators.
std::string toolkitText(const Combination& combination)
{
    using LabelFunction = char* (*)(unsigned key, unsigned modifiers);
    using FreeFunction = void (*)(void*);
    static const auto label = reinterpret_cast<LabelFunction>(dlsym(RTLD_DEFAULT, "gtk_accelerator_get_label"));
    static const auto release = reinterpret_cast<FreeFunction>(dlsym(RTLD_DEFAULT, "g_free"));
    if (!label || !release)
        return "(no toolkit)";
    char* text = label(combination.second, combination.first);
    const std::string copy = text;
    release(text);
    return copy;
}

// The toolkit's key symbol for a key code of the program's accelerators.
unsigned toolkitKey(int keyCode)
{
    if (keyCode >= 'A' && keyCode <= 'Z')
        return unsigned(keyCode - 'A' + 'a');
    if (keyCode >= WXK_F1 && keyCode <= WXK_F12)
        return 0xffbeu + unsigned(keyCode - WXK_F1);
    ADD_FAILURE() << "an accelerator on key code " << keyCode;
    return 0;
}

unsigned toolkitModifiers(int flags)
{
    return ((flags & wxACCEL_SHIFT) ? shiftMask : 0) | ((flags & wxACCEL_CTRL) ? controlMask : 0)
        | ((flags & wxACCEL_ALT) ? altMask : 0);
}

// What the menu bar's items show after their names, by combination: the
// toolkit writes a menu item's keys with the same function.
std::map<Combination, std::string> menuAccelerators(const wxMenuBar& bar)
{
    std::map<Combination, std::string> shown;
    for (std::size_t m = 0; m < bar.GetMenuCount(); ++m)
        for (const wxMenuItem* item : bar.GetMenu(m)->GetMenuItems())
            if (const std::unique_ptr<wxAcceleratorEntry> accelerator{item->GetAccel()}) {
                const Combination combination{
                    toolkitModifiers(accelerator->GetFlags()), toolkitKey(accelerator->GetKeyCode())};
                shown[combination] = toolkitText(combination);
            }
    return shown;
}

// The names the toolkit gives the keys and modifiers the help may name.
struct KeyNames {
    std::map<std::string, unsigned> keys;
    std::map<std::string, unsigned> modifiers;
};

KeyNames toolkitKeyNames()
{
    KeyNames names;
    std::vector<unsigned> keys(std::begin(keysNamedAlone), std::end(keysNamedAlone));
    for (int code = 'A'; code <= 'Z'; ++code)
        keys.push_back(toolkitKey(code));
    for (int code = WXK_F1; code <= WXK_F12; ++code)
        keys.push_back(toolkitKey(code));
    for (unsigned key : keys)
        names.keys[toolkitText({0, key})] = key;
    const std::string keyA = toolkitText({0, 'a'});
    for (unsigned modifier : {shiftMask, controlMask, altMask}) {
        std::string text = toolkitText({modifier, 'a'});
        names.modifiers[text.substr(0, text.size() - keyA.size() - 1)] = modifier;
    }
    return names;
}

// True when text starts with the whole word: no letter follows it.
bool startsWithWord(const std::string& text, const std::string& word)
{
    if (text.compare(0, word.size(), word) != 0)
        return false;
    const auto next = static_cast<unsigned char>(text.size() > word.size() ? text[word.size()] : ' ');
    return !std::isalnum(next) && next < 0x80;
}

class HelpKeysTest : public EditorFixture {
protected:
    void SetUp() override
    {
        // The run's language, which the fixture sets aside for the other tests.
        const char* language = std::getenv("QUORVIN_TEST_LANGUAGE");
        french = language && std::strcmp(language, "fr") == 0;
        if (french)
            for (const char* variable : {"LANG", "LC_ALL"})
                ::setenv(variable, "fr_FR.UTF-8", 1);
        AnsweredMessageBoxes boxes;
        ASSERT_TRUE(startUp(deviceType_));
        ASSERT_EQ(QuickHelpWindow::interfaceIsFrench(), french);
        help = helpPageText(french ? "quickhelp_fr.html" : "quickhelp_en.html").utf8_string();
    }

    bool french = false;
    std::string help;
};

TEST_F(HelpKeysTest, KeysReadAsTheMenusAndTheToolkitShowThem)
{
    const std::map<Combination, std::string> menus = menuAccelerators(*frame_->GetMenuBar());
    ASSERT_EQ(menus.count({shiftMask | controlMask, 's'}), 1u) << "Save all has its keys";
    const KeyNames names = toolkitKeyNames();
    // Held with a modifier, a click or the wheel is the pointer's, not a key.
    const std::vector<std::string> pointer = french ? std::vector<std::string>{"clic", "molette"}
                                                    : std::vector<std::string>{"click", "wheel"};
    const std::regex combinationStart(R"(([A-Za-z]+\+)+)");
    int combinations = 0;
    for (auto match = std::sregex_iterator(help.begin(), help.end(), combinationStart); match != std::sregex_iterator();
         ++match, ++combinations) {
        const std::string modifiersText = match->str();
        const std::string rest = help.substr(std::size_t(match->position() + match->length()));
        unsigned modifiers = 0;
        std::size_t begin = 0;
        for (std::size_t plus = modifiersText.find('+'); plus != std::string::npos;
             begin = plus + 1, plus = modifiersText.find('+', begin)) {
            const std::string name = modifiersText.substr(begin, plus - begin);
            const auto found = names.modifiers.find(name);
            EXPECT_TRUE(found != names.modifiers.end()) << "\"" << name << "\" is not the toolkit's name of a modifier";
            modifiers |= found != names.modifiers.end() ? found->second : 0;
        }
        // The longest key name that the text goes on with.
        std::string key;
        for (const auto& [name, symbol] : names.keys)
            if (startsWithWord(rest, name) && name.size() > key.size())
                key = name;
        const bool byPointer = key.empty() && std::any_of(pointer.begin(), pointer.end(), [&](const std::string& word) {
            return startsWithWord(rest, word);
        });
        if (byPointer) {
            const std::string shown = toolkitText({modifiers, 'a'});
            EXPECT_EQ(modifiersText, shown.substr(0, shown.size() - 1)) << "held with the pointer: " << rest.substr(0, 12);
            continue;
        }
        if (key.empty()) {
            ADD_FAILURE() << modifiersText << rest.substr(0, 12) << "...: no key the toolkit names";
            continue;
        }
        const Combination combination{modifiers, names.keys.at(key)};
        const auto menu = menus.find(combination);
        const std::string expected = menu != menus.end() ? menu->second : toolkitText(combination);
        EXPECT_EQ(modifiersText + key, expected) << (menu != menus.end() ? "as the menu shows it" : "as the toolkit names it");
    }
    EXPECT_GE(combinations, 10);
}

// Keys the help names alone, each as the toolkit names it.
TEST_F(HelpKeysTest, KeysNamedAloneReadAsTheToolkitNamesThem)
{
    for (unsigned key : keysNamedAlone) {
        const std::string name = toolkitText({0, key});
        EXPECT_NE(help.find(name + " "), std::string::npos) << name;
    }
}

} // namespace
