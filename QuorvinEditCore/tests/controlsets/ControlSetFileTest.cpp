// The "control_set" layout in "*.ctrl.xml" files and the settings file:
// exact names, defaults for what is missing, and files that are not control
// sets refused without touching the set or the file.
#include "midi/MidiControlBinding.h"
#include "midi/MidiControlSetFile.h"
#include "midi/MidiOutPort.h"
#include "tests/controlsets/ControlSetFixture.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"
#include "xml/XmlFile.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class ControlSetFileTest : public ControlSetFixture {
protected:
    RefString path(const std::string& name) const { return folder_.file(name); }

    RefString write(const std::string& name, const std::string& text) const
    {
        writeFile(folder_ / name, text);
        return path(name);
    }

    std::unique_ptr<XmlRootElement> parse(const RefString& file) const
    {
        std::unique_ptr<XmlRootElement> root = readXmlFile(file);
        EXPECT_TRUE(root);
        return root;
    }

    static std::vector<std::string> bindingTexts(const MidiControlSet& controlSet)
    {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < controlSet.bindingCount(); ++i)
            texts.push_back(controlSet.binding(i).messageText().toUtf8() + " -> "
                + controlSet.binding(i).parameterText().toUtf8());
        return texts;
    }

    static std::string document(const std::string& controls, const std::string& setAttributes = "")
    {
        return "<?xml version=\"1.0\"?><Settings><control_set" + setAttributes + ">" + controls
            + "</control_set></Settings>";
    }

    static std::string control(const char* widget, const std::string& base, const std::string& value = "")
    {
        return std::string("<control><parameter panel=\"Test\" group=\"Knobs\" widget=\"") + widget
            + "\"/><message_base " + base + "/>" + value + "</control>";
    }

private:
    TempFolder folder_{"ControlSetFileTest"};
};

TEST_F(ControlSetFileTest, ASavedSetLoadsBackWithItsNameBindingsAndPorts)
{
    openSurface(set());
    LocalParameter& volume = makeParameter("Volume", 0, 127);
    LocalParameter& bend = makeParameter("Bend", 0, 127);
    LocalParameter& program = makeParameter("Program", 0, 127);
    set().name().setText(RefString(u"Faders"));
    set().bind({0xB0, 7, 0}, volume);
    set().bind({0xE2, 0, 0}, bend);
    set().bind({0xC0, 0, 0}, program);
    const RefString file = path("faders.ctrl.xml");
    std::string error;
    ASSERT_TRUE(exportControlSetFile(set(), file, &error)) << error;

    const std::unique_ptr<XmlRootElement> root = parse(file);
    const XmlElement saved = root->child(u"control_set");
    EXPECT_EQ(root->name().toUtf8(), "Settings");
    EXPECT_EQ(saved.getAttribute(u"name", {}).toUtf8(), "Faders");
    EXPECT_EQ(saved.getAttribute(u"input/name", {}).toUtf8(), surfacePort);
    EXPECT_EQ(saved.getAttribute(u"output/name", {}).toUtf8(), surfacePort);
    const std::vector<XmlElement> controls = saved.children(u"control");
    ASSERT_EQ(controls.size(), 3u); // in key order: Bend, Program, Volume
    EXPECT_EQ(controls[0].getAttribute(u"parameter/widget", {}).toUtf8(), "Bend");
    EXPECT_EQ(controls[0].getIntAttribute(u"message_base/byte1", -1), 0xE2);
    EXPECT_EQ(controls[0].getIntAttribute(u"message_base/byte2", -1), -1);
    EXPECT_EQ(controls[0].getIntAttribute(u"message_value/size", -1), 14);
    EXPECT_EQ(controls[1].getIntAttribute(u"message_base/byte3", -1), 0);
    EXPECT_EQ(controls[1].getIntAttribute(u"message_value/byte_index", 0), 1);
    EXPECT_EQ(controls[2].getIntAttribute(u"message_base/byte1", -1), 176);
    EXPECT_EQ(controls[2].getIntAttribute(u"message_base/byte2", -1), 7);
    EXPECT_EQ(controls[2].getIntAttribute(u"message_value/byte_index", 0), 2);
    EXPECT_EQ(controls[2].getIntAttribute(u"message_value/size", 0), 7);

    MidiControlSet& copy = set(2);
    ASSERT_TRUE(importControlSetFile(copy, file, &error)) << error;
    EXPECT_EQ(copy.name().text().toUtf8(), "Faders");
    EXPECT_EQ(copy.input(), set().input()) << "one device is opened once and shared";
    EXPECT_EQ(copy.output(), set().output());
    EXPECT_EQ(bindingTexts(copy), bindingTexts(set()));
    EXPECT_EQ(copy.binding(0).output(), copy.output());
}

TEST_F(ControlSetFileTest, MissingValuesTakeTheirDefaultsAndUnknownControlsAreSkipped)
{
    makeParameter("Volume", 0, 127);
    makeParameter("Program", 0, 127);
    makeParameter("Bend", 0, 127);
    const std::string controls = control("Volume", "byte1=\"176\" byte2=\"7\"")  // no message_value
        + control("Program", "byte1=\"192\" byte3=\"0\"", "<message_value byte_index=\"1\" size=\"7\"/>")
        + control("Bend", "byte1=\"226\" extra=\"x\"", "<message_value/><unknown/>")
        + control("Nowhere", "byte1=\"176\" byte2=\"8\"")     // no such parameter
        + control("Volume", "byte2=\"9\"")                   // no status byte
        + control("Volume", "byte1=\"176\"")                 // no controller number
        + control("Volume", "byte1=\"248\"")                 // clock: carries no value
        + control("Volume", "byte1=\"176\" byte2=\"11\"",
            "<message_value byte_index=\"1\" size=\"14\"/>"); // a layout no controller has
    const RefString file = write("defaults.ctrl.xml", document(controls));

    std::string error;
    ASSERT_TRUE(importControlSetFile(set(1), file, &error)) << error;
    EXPECT_EQ(set(1).name().text().toUtf8(), "Control surface");
    EXPECT_EQ(set(1).input(), nullptr);
    EXPECT_EQ(set(1).output(), nullptr);
    ASSERT_EQ(set(1).bindingCount(), 3u);
    EXPECT_EQ(set(1).binding(0).message().status, 0xE2);
    EXPECT_TRUE(set(1).binding(0).isWide());
    EXPECT_EQ(set(1).binding(1).valueByteIndex(), 1);
    EXPECT_EQ(set(1).binding(2).valueByteIndex(), 2);
    EXPECT_TRUE(set(1).binding(2).matches({0xB0, 7, 55}));
}

TEST_F(ControlSetFileTest, LoadingAddsToTheBindingsAndRebindsControlsAlreadyBound)
{
    LocalParameter& volume = makeParameter("Volume", 0, 127);
    LocalParameter& pan = makeParameter("Pan", 0, 127);
    set().bind({0xB0, 7, 0}, pan);
    set().bind({0xB0, 10, 0}, pan);
    const RefString file =
        write("add.ctrl.xml", document(control("Volume", "byte1=\"176\" byte2=\"7\""), " name=\"Added\""));

    ASSERT_TRUE(importControlSetFile(set(), file));
    ASSERT_EQ(set().bindingCount(), 2u);
    EXPECT_EQ(set().binding(0).parameter(), &pan);
    EXPECT_EQ(set().binding(1).parameter(), &volume);
}

TEST_F(ControlSetFileTest, SavingASetWithoutPortsKeepsThePortElementsItFound)
{
    const RefString file = write("ports.ctrl.xml",
        "<Settings><control_set name=\"Old\"><output name=\"Far away\" mid=\"1\" pid=\"2\"/></control_set></Settings>");
    ASSERT_TRUE(exportControlSetFile(set(1), file));

    const std::unique_ptr<XmlRootElement> root = parse(file);
    EXPECT_EQ(root->getAttribute(u"control_set/output/name", {}).toUtf8(), "Far away");
    EXPECT_EQ(root->getIntAttribute(u"control_set/output/pid", 0), 2);
    EXPECT_TRUE(root->children(u"control_set/input").empty());
    EXPECT_EQ(root->getAttribute(u"control_set/name", {}).toUtf8(), "");
}

TEST_F(ControlSetFileTest, ExportReplacesTheControlsAndKeepsTheRestOfTheFile)
{
    LocalParameter& volume = makeParameter("Volume", 0, 127);
    set().bind({0xB0, 7, 0}, volume);
    const RefString file = write("shared.ctrl.xml", "<Settings><Notes>keep me</Notes></Settings>");
    ASSERT_TRUE(exportControlSetFile(set(), file));
    ASSERT_TRUE(exportControlSetFile(set(), file));

    const std::unique_ptr<XmlRootElement> root = parse(file);
    EXPECT_EQ(root->getText(u"Notes", {}).toUtf8(), "keep me");
    EXPECT_EQ(root->children(u"control_set").size(), 1u);
    EXPECT_EQ(root->children(u"control_set/control").size(), 1u);
}

TEST_F(ControlSetFileTest, BrokenOrForeignFilesAreRefusedAndChangeNothing)
{
    LocalParameter& volume = makeParameter("Volume", 0, 127);
    set().name().setText(RefString(u"Mine"));
    set().bind({0xB0, 7, 0}, volume);
    const MidiOutPort* const output = set().output();
    const std::string truncated = document(control("Volume", "byte1=\"176\" byte2=\"9\"")).substr(0, 70);
    const std::vector<RefString> files{
        write("truncated.ctrl.xml", truncated),
        write("foreign.ctrl.xml", "<control_set name=\"Old\"><control/></control_set>"),
        write("empty-settings.ctrl.xml", "<Settings><midi_config/></Settings>"),
        write("binary.ctrl.xml", std::string("\x00\xFF\xFE<Settings>", 13)),
        path("missing.ctrl.xml"),
    };
    for (const RefString& file : files) {
        SCOPED_TRACE(file.toUtf8());
        const std::string before = readFile(file.toUtf8());
        std::string error;
        EXPECT_FALSE(importControlSetFile(set(), file, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(set().name().text().toUtf8(), "Mine");
        EXPECT_EQ(set().output(), output);
        EXPECT_EQ(set().bindingCount(), 1u);
        EXPECT_EQ(readFile(file.toUtf8()), before) << "the file was touched";
    }
    EXPECT_FALSE(fs::exists(path("missing.ctrl.xml").toUtf8())) << "importing must not create the file";

    std::string error;
    EXPECT_FALSE(exportControlSetFile(set(), files[1], &error)) << "a foreign file must not be replaced";
    EXPECT_NE(error.find("not a MIDI control set file"), std::string::npos) << error;
}

} // namespace
