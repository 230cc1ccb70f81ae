#include "xml/XmlFile.h"

#include <wx/xml/xml.h>

#include <gtest/gtest.h>

namespace {

// A fresh "Settings" root with the FS1R's device element inside.
class XmlElementTest : public testing::Test {
protected:
    std::unique_ptr<XmlRootElement> root = XmlRootElement::create(u"Settings");
    XmlElement device = root->child(u"YAMAHA_FS1R");

    int childCount(const XmlElement& element) const
    {
        int count = 0;
        for (const wxXmlNode* node = element.node()->GetChildren(); node; node = node->GetNext())
            ++count;
        return count;
    }
    // The root as the file holds it, read back.
    std::unique_ptr<XmlRootElement> reloaded() const
    {
        std::string error;
        std::unique_ptr<XmlRootElement> copy = parseXml(xmlText(*root), &error);
        EXPECT_TRUE(copy) << error;
        return copy;
    }
};

TEST_F(XmlElementTest, ChildCreatesEveryMissingElementButTextLookupsCreateNothing)
{
    EXPECT_EQ(device.getText(u"Directories/LastVoice", u"none"), RefString(u"none"));
    EXPECT_EQ(childCount(device), 0);

    const XmlElement lastVoice = device.child(u"Directories/LastVoice");
    EXPECT_EQ(lastVoice.name(), RefString(u"LastVoice"));
    EXPECT_EQ(lastVoice.node()->GetParent()->GetName(), "Directories");
    EXPECT_EQ(device.child(u"Directories/LastVoice").node(), lastVoice.node());
}

TEST_F(XmlElementTest, SameNamedElementsAreFoundFirstListedInOrderAndAppended)
{
    const XmlElement first = device.addChild(u"midi_config/control_set");
    device.addChild(u"midi_config/other");
    const XmlElement second = device.addChild(u"midi_config/control_set");
    EXPECT_EQ(device.child(u"midi_config/control_set").node(), first.node());

    const std::vector<XmlElement> sets = device.children(u"midi_config/control_set");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].node(), first.node());
    EXPECT_EQ(sets[1].node(), second.node());

    const XmlElement third = device.addChild(u"midi_config/control_set");
    EXPECT_EQ(third.node()->GetNext(), nullptr);
    EXPECT_EQ(device.children(u"midi_config/control_set").size(), 3u);
    EXPECT_EQ(device.children(u"midi_config").size(), 1u);
    EXPECT_TRUE(device.children(u"missing/control_set").empty());
    EXPECT_EQ(childCount(device), 1);
}

TEST_F(XmlElementTest, RemoveChildrenDeletesEveryReachedElementAndNothingElse)
{
    device.addChild(u"midi_config/control_set");
    device.addChild(u"midi_config/control_set");
    device.addChild(u"midi_config/input");
    device.removeChildren(u"midi_config/control_set");
    EXPECT_TRUE(device.children(u"midi_config/control_set").empty());
    EXPECT_EQ(device.children(u"midi_config/input").size(), 1u);
    device.removeChildren(u"");
    EXPECT_FALSE(device.child(u"midi_config").isNull());
}

TEST_F(XmlElementTest, StraySeparatorsNeverMakeElementsThatBreakTheFile)
{
    // An element named "Directories/" could be written but never read again.
    EXPECT_EQ(device.child(u"Directories/").node(), device.child(u"Directories").node());
    EXPECT_EQ(device.child(u"/Directories//LastFseq/").node(), device.child(u"Directories/LastFseq").node());
    EXPECT_EQ(device.child(u"").node(), device.node());
    EXPECT_TRUE(device.addChild(u"/").isNull());
    device.setAttribute(u"CurrentPerformance/", u"lost");
    EXPECT_TRUE(reloaded());
}

TEST_F(XmlElementTest, AttributePathsNameTheAttributeAfterTheLastSeparator)
{
    device.setIntAttribute(u"CurrentPerformance/bank", 3);
    const XmlElement current = device.child(u"CurrentPerformance");
    EXPECT_EQ(current.node()->GetAttribute("bank"), "3");
    EXPECT_EQ(device.getIntAttribute(u"CurrentPerformance/bank", -1), 3);
    EXPECT_EQ(current.getIntAttribute(u"bank", -1), 3);

    device.setIntAttribute(u"CurrentPerformance/bank", -120);
    device.setIntAttribute(u"CurrentPerformance/number", INT32_MIN);
    EXPECT_EQ(current.node()->GetAttribute("bank"), "-120");
    EXPECT_EQ(current.node()->GetAttribute("number"), "-2147483648");
    EXPECT_EQ(current.node()->GetAttributes()->GetNext()->GetName(), "number");
    EXPECT_EQ(current.node()->GetAttributes()->GetNext()->GetNext(), nullptr);

    EXPECT_EQ(device.getAttribute(u"Other/bank", u"default"), RefString(u"default"));
    EXPECT_EQ(device.getAttribute(u"CurrentPerformance/missing", u"default"), RefString(u"default"));
    EXPECT_TRUE(device.children(u"Other").empty());
}

TEST_F(XmlElementTest, IntegerAttributesThatAreNotWholeDecimalNumbersGiveTheDefault)
{
    for (const char16_t* text : {u"12ab", u"", u" 5", u"5 ", u"0x10", u"1.5", u"-", u"2147483648", u"-2147483649"}) {
        device.setAttribute(u"value", text);
        EXPECT_EQ(device.getIntAttribute(u"value", 77), 77) << RefString(text).toUtf8();
    }
    device.setAttribute(u"value", u"-0042");
    EXPECT_EQ(device.getIntAttribute(u"value", 77), -42);
}

TEST_F(XmlElementTest, SetTextReplacesTheFirstTextNode)
{
    device.setText(u"Directories/LastVoice", u"/home/user/first.syx");
    device.setText(u"Directories/LastVoice", u"/home/user/second.syx");
    EXPECT_EQ(device.getText(u"Directories/LastVoice", u""), RefString(u"/home/user/second.syx"));
    EXPECT_EQ(childCount(device.child(u"Directories/LastVoice")), 1);
}

TEST_F(XmlElementTest, AnyTextSurvivesTheFileOrSpoilsOnlyItsOwnUnwritableCharacters)
{
    const RefString awkward(u"<&>\"' \U0001D11E caf\u00E9\nline");
    device.setText(u"Directories/LastFseq", awkward);
    device.setAttribute(u"parameter/name", awkward);
    // Control characters cannot be written in XML 1.0; left raw they made
    // the whole settings file unreadable.
    device.setText(u"Directories/LastVoice", u"a\u0001b\uFFFEc");

    const std::unique_ptr<XmlRootElement> copy = reloaded();
    ASSERT_TRUE(copy);
    const XmlElement copiedDevice = copy->child(u"YAMAHA_FS1R");
    EXPECT_EQ(copiedDevice.getText(u"Directories/LastFseq", u""), awkward);
    EXPECT_EQ(copiedDevice.getAttribute(u"parameter/name", u""), awkward);
    EXPECT_EQ(copiedDevice.getText(u"Directories/LastVoice", u""), RefString(u"a\uFFFDb\uFFFDc"));
}

TEST_F(XmlElementTest, ANullElementGivesDefaultsAndIgnoresWrites)
{
    const XmlElement none;
    none.setIntAttribute(u"a/b", 1);
    none.removeChildren(u"a");
    EXPECT_TRUE(none.child(u"a/b").isNull());
    EXPECT_EQ(none.getIntAttribute(u"a/b", 5), 5);
}

} // namespace
