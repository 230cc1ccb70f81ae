#include "FakeParameter.h"

#include "params/ParameterRegistry.h"
#include "xml/XmlElement.h"

#include <gtest/gtest.h>

#include <wx/xml/xml.h>

namespace {

ParameterPath path(const char16_t* panel, const char16_t* group, const char16_t* widget,
    const char16_t* line = nullptr, std::uint32_t index = 0)
{
    return ParameterPath{RefString(panel), RefString(group), RefString(widget), RefString(line), index};
}

std::u16string text(const RefString& s) { return std::u16string(s.view()); }

// --- Texts ------------------------------------------------------------------------

TEST(ParameterPathText, IndexInParenthesesAndLineAfterABlank)
{
    EXPECT_EQ(text(path(u"Voice", u"LFO1", u"Speed").text()), u"Voice LFO1 Speed");
    EXPECT_EQ(text(path(u"Voice", u"LFO1", u"Speed", u"fine", 2).text()), u"Voice LFO1 Speed(02) fine");
    EXPECT_EQ(text(path(nullptr, nullptr, u"Speed").text()), u"  Speed");
    EXPECT_EQ(text(path(u"Voice", u"LFO1", nullptr, u"fine").text()), u"");
}

TEST(ParameterPathText, IndexesFromAHundredUpKeepAllTheirDigits)
{
    EXPECT_EQ(text(path(u"P", u"G", u"W", nullptr, 123).text()), u"P G W(123)");
}

TEST(ParameterKeyText, NameFollowsThePathButNeverStandsAlone)
{
    ParameterKey key{path(u"Voice", u"LFO1", u"Speed"), RefString(u"coarse")};
    EXPECT_EQ(text(key.text()), u"Voice LFO1 Speed coarse");
    key.name = RefString();
    EXPECT_EQ(text(key.text()), u"Voice LFO1 Speed");
    const ParameterKey nameOnly{path(u"Voice", u"LFO1", nullptr), RefString(u"coarse")};
    EXPECT_EQ(text(nameOnly.text()), u"");
}

// --- Order ------------------------------------------------------------------------

TEST(ParameterKeyOrder, ComparesPanelGroupWidgetLineIndexThenName)
{
    const ParameterKey a{path(u"A", u"Z", u"Z"), RefString(u"z")};
    const ParameterKey b{path(u"B", u"A", u"A"), RefString(u"a")};
    EXPECT_TRUE(ParameterKey::less(a, b));
    EXPECT_FALSE(ParameterKey::less(b, a));

    const ParameterKey index0{path(u"A", u"B", u"C", nullptr, 0), RefString(u"z")};
    const ParameterKey index1{path(u"A", u"B", u"C", nullptr, 1), RefString(u"a")};
    EXPECT_TRUE(ParameterKey::less(index0, index1));

    const ParameterKey nameA{path(u"A", u"B", u"C"), RefString(u"a")};
    const ParameterKey nameB{path(u"A", u"B", u"C"), RefString(u"b")};
    EXPECT_TRUE(ParameterKey::less(nameA, nameB));
}

TEST(ParameterKeyOrder, NullAndEmptyNamesAreEqual)
{
    const ParameterPath nullGroup = path(u"P", nullptr, u"W");
    const ParameterPath emptyGroup = path(u"P", u"", u"W");
    EXPECT_FALSE(ParameterPath::differs(nullGroup, emptyGroup));
    EXPECT_FALSE(ParameterPath::less(nullGroup, emptyGroup));
    EXPECT_FALSE(ParameterPath::less(emptyGroup, nullGroup));
    EXPECT_TRUE(ParameterPath::differs(nullGroup, path(u"P", nullptr, u"W", nullptr, 1)));
}

// --- Registry -------------------------------------------------------------------------

TEST(ParameterRegistryCollisions, ControlsOfOneNameGetRisingIndexes)
{
    FakeParameter first(0, 1);
    FakeParameter second(0, 1);
    FakeParameter third(0, 1);
    first.setKeyAndRegister(path(u"Voice", u"LFO1", u"Speed"));
    second.setKeyAndRegister(path(u"Voice", u"LFO1", u"Speed"));
    third.setKeyAndRegister(path(u"Voice", u"LFO1", u"Speed"));
    EXPECT_EQ(text(first.getName()), u"Voice LFO1 Speed");
    EXPECT_EQ(text(second.getName()), u"Voice LFO1 Speed(01)");
    EXPECT_EQ(third.key().path.index, 2u);
    EXPECT_EQ(findParameter(second.key()), &second);
}

TEST(ParameterRegistryCollisions, NullAndEmptyGroupNamesCollide)
{
    FakeParameter a(0, 1);
    FakeParameter b(0, 1);
    a.setKeyAndRegister(path(u"P", nullptr, u"W"));
    b.setKeyAndRegister(path(u"P", u"", u"W"));
    EXPECT_EQ(b.key().path.index, 1u);
}

TEST(ParameterRegistryCollisions, ACollidingNameLeavesTheParameterUnregistered)
{
    FakeParameter holder(0, 1);
    FakeParameter late(0, 1);
    holder.setKeyAndRegister(path(u"Set", u"Ctl", u"Knob"));
    holder.setKeyName(RefString(u"value"));
    late.setKeyAndRegister(path(u"Set", u"Ctl", u"Knob", nullptr, 5));
    late.setKeyAndRegister(path(u"Set", u"Ctl", u"Knob"));
    EXPECT_EQ(late.key().path.index, 0u);
    late.setKeyName(RefString(u"value"));
    EXPECT_FALSE(late.isRegistered());
    EXPECT_EQ(findParameter(holder.key()), &holder);
}

TEST(ParameterRegistryCollisions, RenamingAnUnregisteredParameterNeverEvictsTheHolder)
{
    FakeParameter holder(0, 1);
    FakeParameter late(0, 1);
    holder.setKeyAndRegister(path(u"Set", u"Ctl", u"Fader"));
    holder.setKeyName(RefString(u"value"));
    const ParameterKey held = holder.key();
    late.setKeyAndRegister(path(u"Set", u"Ctl", u"Fader", nullptr, 7));
    late.setKeyAndRegister(path(u"Set", u"Ctl", u"Fader"));
    late.setKeyName(RefString(u"value"));
    ASSERT_FALSE(late.isRegistered());

    late.setKeyName(RefString(u"other"));
    late.setKeyAndRegister(path(u"Elsewhere", u"Ctl", u"Fader"));
    EXPECT_EQ(findParameter(held), &holder);
    EXPECT_TRUE(late.isRegistered());
}

TEST(ParameterRegistryCollisions, ADestroyedParameterLeavesOnlyItsOwnEntry)
{
    FakeParameter holder(0, 1);
    holder.setKeyAndRegister(path(u"Dialog", u"G", u"W"));
    const std::size_t before = ParameterRegistry::instance().size();
    ParameterKey goneKey;
    {
        FakeParameter shortLived(0, 1);
        shortLived.setKeyAndRegister(path(u"Dialog", u"G", u"W"));
        shortLived.setKeyName(RefString(u"n"));
        goneKey = shortLived.key();
        {
            // Same key as shortLived, but not registered under it.
            FakeParameter unregistered(0, 1);
            unregistered.setKeyAndRegister(path(u"Dialog", u"G", u"W", nullptr, 1));
            unregistered.setKeyName(RefString(u"n"));
            ASSERT_FALSE(unregistered.isRegistered());
        }
        EXPECT_EQ(findParameter(goneKey), &shortLived);
    }
    EXPECT_EQ(findParameter(goneKey), nullptr);
    EXPECT_EQ(findParameter(holder.key()), &holder);
    EXPECT_EQ(ParameterRegistry::instance().size(), before);
}

TEST(ParameterRegistryCollisions, EmptyKeysAreNeverFound)
{
    FakeParameter lookalike(0, 1);
    lookalike.setKeyAndRegister(path(u"", u"", u"", u""));
    EXPECT_TRUE(lookalike.isRegistered());
    EXPECT_EQ(findParameter(ParameterKey{}), nullptr);

    FakeParameter unkeyed(0, 1);
    unkeyed.setKeyAndRegister(ParameterPath{});
    EXPECT_FALSE(unkeyed.isRegistered());
}

// --- XML attributes ------------------------------------------------------------------

TEST(ParameterKeyXml, OnlyNamesThatAreNotEmptyAreWritten)
{
    wxXmlNode node(wxXML_ELEMENT_NODE, "binding");
    const ParameterKey key{path(u"Voice", nullptr, u"Speed", u"fine"), RefString()};
    key.writeXml(XmlElement(&node));
    EXPECT_EQ(node.GetAttribute("panel"), "Voice");
    EXPECT_FALSE(node.HasAttribute("group"));
    EXPECT_EQ(node.GetAttribute("widget"), "Speed");
    EXPECT_EQ(node.GetAttribute("line"), "fine");
    EXPECT_FALSE(node.HasAttribute("name"));
    EXPECT_FALSE(node.HasAttribute("index"));
}

TEST(ParameterKeyXml, ReadingBackGivesTheSameKeyAndFindsTheSameParameter)
{
    FakeParameter first(0, 1);
    FakeParameter second(0, 1);
    first.setKeyAndRegister(path(u"Set", u"Ctl", u"Speed"));
    second.setKeyAndRegister(path(u"Set", u"Ctl", u"Speed"));
    second.setKeyName(RefString(u"Höhe"));

    wxXmlNode node(wxXML_ELEMENT_NODE, "binding");
    second.key().writeXml(XmlElement(&node));
    ParameterKey read;
    read.readXml(XmlElement(&node));
    EXPECT_FALSE(ParameterKey::less(read, second.key()));
    EXPECT_FALSE(ParameterKey::less(second.key(), read));
    EXPECT_EQ(findParameter(read), &second);
}

TEST(ParameterKeyXml, MissingAttributesReadAsEmptyAndKeepTheReadersIndex)
{
    wxXmlNode node(wxXML_ELEMENT_NODE, "binding");
    node.AddAttribute("panel", "Voice");
    node.AddAttribute("widget", "Speed");
    ParameterKey read{path(u"Old", u"Group", u"Old", u"line", 4), RefString(u"old")};
    read.readXml(XmlElement(&node));
    EXPECT_EQ(text(read.text()), u"Voice  Speed(04)");
    EXPECT_TRUE(read.path.group.isEmpty());
    EXPECT_TRUE(read.name.isEmpty());
}

} // namespace
