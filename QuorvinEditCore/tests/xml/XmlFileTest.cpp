#include "tests/support/FileBytes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempFolder.h"
#include "xml/XmlFile.h"
#include "xml/XmlShapeCheck.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::string nested(int depth, const std::string& open, const std::string& close)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += open;
    for (int i = 0; i < depth; ++i)
        text += close;
    return text;
}

class XmlFileTest : public testing::Test {
protected:
    RefString pathOf(const char* name) const { return folder.file(name); }

    TempFolder folder{"xmlfile"};
};

TEST_F(XmlFileTest, SavedValuesComeBackAfterALoad)
{
    std::unique_ptr<XmlRootElement> root = loadXmlFile(pathOf("settings.xml"));
    root->child(u"YAMAHA_FS1R").setIntAttribute(u"CurrentPerformance/number", 12);
    root->child(u"YAMAHA_FS1R").setText(u"Directories/LastPerformance", u"/music/a.syx");
    ASSERT_TRUE(saveXmlFile(*root, pathOf("settings.xml")));
    EXPECT_NE(readFile(folder / "settings.xml").find("\n <YAMAHA_FS1R>\n  <CurrentPerformance"), std::string::npos);

    root = loadXmlFile(pathOf("settings.xml"));
    ASSERT_TRUE(root);
    EXPECT_EQ(root->getIntAttribute(u"YAMAHA_FS1R/CurrentPerformance/number", 0), 12);
    EXPECT_EQ(root->getText(u"YAMAHA_FS1R/Directories/LastPerformance", u""), RefString(u"/music/a.syx"));
}

TEST_F(XmlFileTest, OnlyTheSettingsLoadInsistsOnTheSettingsRoot)
{
    writeFile(folder / "set.xml", "<control_set name=\"x\"/>");
    std::string error;
    EXPECT_FALSE(loadXmlFile(pathOf("set.xml"), &error));
    EXPECT_NE(error.find("\"control_set\""), std::string::npos) << error;
    EXPECT_TRUE(readXmlFile(pathOf("set.xml")));
}

TEST_F(XmlFileTest, BrokenXmlIsAClearErrorNeverACrash)
{
    const std::string samples[] = {
        "",
        "<?xml version=\"1.0\"?>",
        "<Settings><a></b></Settings>",
        "<Settings>\n<a x=\"1\" x=\"2\"/></Settings>",
        "<Settings>&undefined;</Settings>",
        "<Settings><a>\xff\xfe</a></Settings>",
        "<Settings/><Settings/>",
        "<Settings><!-- unterminated",
        "\xef\xbb\xbf<Settings",
    };
    for (const std::string& sample : samples) {
        writeFile(folder / "broken.xml", sample);
        std::string error;
        EXPECT_FALSE(loadXmlFile(pathOf("broken.xml"), &error)) << sample;
        EXPECT_NE(error.find("broken.xml"), std::string::npos) << error;
        EXPECT_EQ(readFile(folder / "broken.xml"), sample);
    }
}

TEST_F(XmlFileTest, TheParsersReasonComesBackOnAnyThreadAndNothingIsLogged)
{
    // Anything logged would reach the user as a log window.
    LogCapture logged;
    std::string mainError;
    std::string workerError;
    EXPECT_FALSE(parseXml("<Settings>\n<a></b>", &mainError));
    std::thread([&] { EXPECT_FALSE(parseXml("<Settings>\n\n<a></b>", &workerError)); }).join();

    EXPECT_NE(mainError.find("line 2"), std::string::npos) << mainError;
    EXPECT_NE(workerError.find("line 3"), std::string::npos) << workerError;
    EXPECT_EQ(logged.texts(), std::vector<std::string>{});
}

TEST_F(XmlFileTest, NestingThatWouldOverflowTheStackIsRefused)
{
    // The toolkit frees and writes trees recursively; even a half-parsed
    // deep file would be freed that way.
    std::string error;
    EXPECT_FALSE(parseXml(nested(200000, "<a>", "</a>"), &error));
    EXPECT_NE(error.find("nest"), std::string::npos) << error;
    EXPECT_FALSE(parseXml(nested(200000, "<a>", ""), &error));

    // End tags in comments and CDATA and "/>" in a quoted value must not
    // lower the count.
    const std::string level = "<a x='/>'><b/><!--></a>--><![CDATA[</a>]]>";
    EXPECT_TRUE(parseXml(nested(maxXmlDepth, level, "</a>"), &error)) << error;
    EXPECT_FALSE(parseXml(nested(maxXmlDepth + 1, level, "</a>")));
}

TEST_F(XmlFileTest, EntityDeclarationsAndWideEncodingsAreRefused)
{
    std::string error;
    EXPECT_FALSE(parseXml("<!DOCTYPE S [<!ENTITY e \"<a><a><a>\">]><S>&e;</S>", &error));
    EXPECT_NE(error.find("document type"), std::string::npos) << error;
    const std::string utf16("\xff\xfe<\0S\0/\0>\0", 10);
    EXPECT_FALSE(parseXml(utf16, &error));
}

TEST_F(XmlFileTest, APipeInTheFilesPlaceIsRefusedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo((folder / "settings.xml").c_str(), 0600), 0);
    std::string error;
    EXPECT_FALSE(loadXmlFile(pathOf("settings.xml"), &error));
    EXPECT_NE(error.find("not a file"), std::string::npos) << error;
}

TEST_F(XmlFileTest, AFailedSaveSaysWhyAndLeavesTheOldFileWhole)
{
    std::unique_ptr<XmlRootElement> root = loadXmlFile(pathOf("settings.xml"));
    const std::string old = readFile(folder / "settings.xml");
    for (int i = 0; i < 100; ++i)
        root->addChild(u"YAMAHA_FS1R/midi_config/control_set").setAttribute(u"name", u"a long control set name");

    // A file size limit makes the write fail half-way, as a full disk would.
    rlimit normal{};
    ::getrlimit(RLIMIT_FSIZE, &normal);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = normal;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::string error;
    const bool written = saveXmlFile(*root, pathOf("settings.xml"), &error);
    ::setrlimit(RLIMIT_FSIZE, &normal);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_NE(error.find("settings.xml"), std::string::npos) << error;
    EXPECT_EQ(readFile(folder / "settings.xml"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

} // namespace
