#include "files/FileReader.h"
#include "files/UserPaths.h"
#include "gui/QuickHelpWindow.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/intl.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const wxColour background(64, 64, 64);
const wxColour textColour(192, 192, 192);
const wxString instruction = "<br>On the FS1R, select: UTIL>DUMPOUT>Voice>all and then UTIL>DUMPOUT>Perform>all.";

TEST(QuickHelpPageTest, PageIsWrappedInTheColoursWithTheInstructionAtEveryMarkerAndBytesReadAsLatin1)
{
    const std::string file = std::string("<p>caf\xE9</p>") + QuickHelpWindow::marker + "<p>and</p>" +
                             QuickHelpWindow::marker;
    EXPECT_EQ(QuickHelpWindow::pageText(file, background, textColour, "<i>dump</i>"),
              wxString::FromUTF8("<body bgcolor=#404040 text=#C0C0C0><p>caf\u00E9</p><i>dump</i><p>and</p>"
                                 "<i>dump</i></font></body>"));
}

TEST(QuickHelpPageTest, EveryVariantOfFrenchTakesTheFrenchPage)
{
    for (const int language : {wxLANGUAGE_FRENCH, wxLANGUAGE_FRENCH_FRANCE, wxLANGUAGE_FRENCH_CANADIAN,
             wxLANGUAGE_FRENCH_BELGIAN, wxLANGUAGE_FRENCH_SWISS})
        EXPECT_TRUE(QuickHelpWindow::isFrench(language)) << wxLocale::GetLanguageName(language);
    for (const int language : {wxLANGUAGE_ENGLISH, wxLANGUAGE_ENGLISH_US, wxLANGUAGE_GERMAN, wxLANGUAGE_FRISIAN,
             wxLANGUAGE_DEFAULT, wxLANGUAGE_UNKNOWN})
        EXPECT_FALSE(QuickHelpWindow::isFrench(language)) << wxLocale::GetLanguageName(language);
}

// Each test reads its own user folder, named by the override variable.
class QuickHelpWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ::setenv(UserPaths::overrideVariable, (folder / "user").c_str(), 1);
        deleteUserPaths();
    }
    void TearDown() override
    {
        deleteUserPaths();
        ::unsetenv(UserPaths::overrideVariable);
        fs::remove_all(folder);
    }
    static void writeFile(const fs::path& path, const std::string& bytes)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // The plain text the window shows, and its colour.
    wxString shown(bool french, const fs::path& installed, wxColour* colour = nullptr)
    {
        QuickHelpWindow help(&frame, 500, 280, 740, 400, background, textColour, instruction, french,
                             RefString::fromUtf8(installed.string()));
        if (colour)
            *colour = help.GetBackgroundColour();
        return help.ToText().Trim().Trim(false);
    }

    const fs::path folder = fs::temp_directory_path() / ("quickhelp-" + std::to_string(::getpid()));
    wxFrame frame{nullptr, wxID_ANY, "editor"};
};

TEST_F(QuickHelpWindowTest, FrenchInterfaceGetsTheFrenchPageWhereOneExistsAndTheUserFolderComesFirst)
{
    const fs::path installed = folder / "installed/doc";
    EXPECT_EQ(shown(false, installed), "") << "no page: the window stays empty";
    writeFile(folder / "user/doc/quickhelp_en.html", "<p>English, user</p>");
    writeFile(installed / "quickhelp_en.html", "<p>English, installed</p>");
    wxColour colour;
    EXPECT_EQ(shown(true, installed, &colour), "English, user") << "no French page anywhere";
    EXPECT_EQ(colour, background) << "the page brings the system page's colours";
    writeFile(installed / "quickhelp_fr.html", "<p>Fran&ccedil;ais, installed</p>");
    EXPECT_EQ(shown(true, installed), wxString::FromUTF8("Fran\u00E7ais, installed"));
    EXPECT_EQ(shown(false, installed), "English, user");
    writeFile(folder / "user/doc/quickhelp_fr.html", "<p>Fran&ccedil;ais, user</p>");
    EXPECT_EQ(shown(true, installed), wxString::FromUTF8("Fran\u00E7ais, user"));
}

TEST_F(QuickHelpWindowTest, ShippedPagesInBothLanguagesCarryTheInstructionMarkerInPlainAscii)
{
    const char* source = std::getenv("QUORVIN_SOURCE_DIR");
    ASSERT_NE(source, nullptr) << "run through ctest";
    const fs::path shipped = fs::path(source) / "user/doc";
    for (const char* page : {"quickhelp_en.html", "quickhelp_fr.html"}) {
        std::string bytes;
        ASSERT_TRUE(FileReader::readAll((shipped / page).string(), QuickHelpWindow::maxPageBytes, bytes)) << page;
        // Accents are written as entities, since the page is read as Latin-1.
        EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; })) << page;
    }
    const wxString french = shown(true, shipped);
    EXPECT_NE(french, shown(false, shipped));
    EXPECT_TRUE(french.Contains("UTIL>DUMPOUT>Perform>all"));
    EXPECT_TRUE(shown(false, shipped).Contains("UTIL>DUMPOUT>Perform>all"));
}

} // namespace
