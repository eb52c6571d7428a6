// Attribute escaping and unescaping.
#include "formats/XmlEscape.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(XmlEscape, EscapesTheSixCharacters)
{
    EXPECT_EQ(XmlEscape("a<b"), "a&#60;b");
    EXPECT_EQ(XmlEscape("1\r\n2"), "1&#13;&#10;2");
    EXPECT_EQ(XmlEscape("say \"hi\" & >"), "say &#34;hi&#34; &#38; &#62;");
    EXPECT_EQ(XmlEscape("&quot;"), "&#34;");
    EXPECT_EQ(XmlEscape("\t\x01"), "\t\x01");
}

TEST(XmlEscape, UnescapesNumericReferencesAndQuot)
{
    EXPECT_EQ(XmlUnescape("a&#60;b&#13;&#10;"), "a<b\r\n");
    EXPECT_EQ(XmlUnescape("&quot;x&quot;"), "\"x\"");
    EXPECT_EQ(XmlUnescape("Tom & Jerry"), "Tom & Jerry");
    EXPECT_EQ(XmlUnescape("&amp;"), "&amp;");
    EXPECT_EQ(XmlUnescape("&#321;"), "A"); // the low 8 bits of 321
    EXPECT_THROW(XmlUnescape("&#x41;"), EConvertError);
    for (const char* text : { "a<b", "\r\n\"&<>", "&quot" })
        EXPECT_EQ(XmlUnescape(XmlEscape(text)), text);
}

} // namespace
} // namespace qbx
