#include "xml/XmlFile.h"
#include "xml/XmlTextWriter.h"

#include <gtest/gtest.h>

namespace {

// The same document written by the toolkit, which the program's readers
// have always read.
std::string toolkitText(const RefString& value)
{
    const std::unique_ptr<XmlRootElement> root = XmlRootElement::create(u"root");
    const XmlElement group = root->addChild(u"group");
    group.setAttribute(u"count", u"7");
    group.addChild(u"item").setAttribute(u"value", value);
    root->addChild(u"empty");
    return xmlText(*root);
}

std::string writerText(const RefString& value)
{
    XmlTextWriter xml;
    xml.open(u"root");
    xml.open(u"group");
    xml.attribute(u"count", std::uint32_t(7));
    xml.open(u"item");
    xml.attribute(u"value", value);
    xml.close();
    xml.close();
    xml.open(u"empty");
    xml.close();
    xml.close();
    return xml.text();
}

RefString valueReadBack(const std::string& text)
{
    std::string error;
    const std::unique_ptr<XmlRootElement> root = parseXml(text, &error);
    EXPECT_TRUE(root) << error;
    return root ? root->child(u"group/item").getAttribute(u"value", u"missing") : RefString();
}

TEST(XmlTextWriterTest, WritesWhatTheToolkitWritesAndReadsBackTheSameText)
{
    const char16_t* const values[] = {u"", u"Grand", u"Init <\"&\">", u"caf\u00e9 \u266b \U0001F3B9", u"a'b", u"]]>", u"tab\tand\nbreaks\r"};
    for (const char16_t* value : values) {
        SCOPED_TRACE(RefString(value).toUtf8());
        const std::string text = writerText(value);
        EXPECT_EQ(text, toolkitText(value));
        EXPECT_EQ(valueReadBack(text), RefString(value));
    }
}

TEST(XmlTextWriterTest, LineBreaksSurviveAndOtherControlCharactersCannotSpoilTheFile)
{
    const struct {
        const char16_t* value;
        const char16_t* readBack;
    } cases[] = {
        {u"tab\there", u"tab\there"},
        {u"two\nlines\r", u"two\nlines\r"},
        {u"bell\a and \x01\x1f", u"bell\ufffd and \ufffd\ufffd"},
        {u"not characters \ufffe\uffff", u"not characters \ufffd\ufffd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(RefString(c.value).toUtf8());
        EXPECT_EQ(valueReadBack(writerText(c.value)), RefString(c.readBack));
        EXPECT_EQ(XmlTextWriter::storableText(c.value), RefString(c.readBack));
    }
}

} // namespace
